#include "link/arp_cache.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <set>
#include <sstream>
#include <stdexcept>

#include "core/program_state.h"
#include "link/net_socket.h"
#include "tests/support/net_namespace.h"

// Every test changes neighbour tables only inside a network namespace of its own.

namespace {

// Two veth ends in the namespace, four learned and configured entries.
const char* const kSetUp =
    "ip link set lo up && ip link add va type veth peer name vb && "
    "ip link set va up && ip link set vb up && ip addr add 10.77.0.1/24 dev va && "
    "ip neigh add 10.77.0.9 lladdr 02:00:00:00:00:09 dev va nud reachable && "
    "ip neigh add 10.77.0.8 lladdr 02:00:00:00:00:08 dev va nud stale && "
    "ip neigh add 10.77.0.5 lladdr 02:00:00:00:00:05 dev va nud permanent && "
    "ip neigh add 10.77.0.7 lladdr 02:00:00:00:00:07 dev vb nud reachable";

const char* const kAll = "10.77.0.5 va,10.77.0.7 vb,10.77.0.8 va,10.77.0.9 va,";

sockaddr_in Address(const char* text) {
    sockaddr_in address = MakeSocketAddress(kPrintPort);
    ::inet_pton(AF_INET, text, &address.sin_addr);
    return address;
}

// The IPv4 neighbour entries that hold a hardware address, as "address interface," sorted.
std::string Entries() {
    std::istringstream lines(RunCommand("ip -4 neigh show"));
    std::set<std::string> entries;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string address, dev, interface;
        words >> address >> dev >> interface;
        if (line.find("lladdr") != std::string::npos) {
            entries.insert(address + " " + interface);
        }
    }
    std::string text;
    for (const std::string& entry : entries) {
        text += entry + ",";
    }
    return text;
}

std::string InNamespace(const std::function<void()>& action) {
    const NamespaceRun run = RunInNewNetworkNamespace([&] {
        RunCommand(kSetUp);
        if (Entries() != kAll) {
            return "set-up gave " + Entries();
        }
        action();
        return Entries();
    });
    if (!run.available) {
        return "skip";
    }
    EXPECT_EQ(run.exitCode, 0) << run.output;
    return run.output;
}

TEST(FlushArpEntries, FlushesTheLearnedEntriesOfTheMatchingInterface) {
    struct Case {
        const char* address;
        const char* left;
    };
    const Case cases[] = {
        {"10.77.0.9", "10.77.0.5 va,10.77.0.7 vb,"},  // va's learned entries go, by hand stays
        {"10.77.0.7", "10.77.0.5 va,10.77.0.8 va,10.77.0.9 va,"},
        {"10.77.0.200", kAll},  // nothing holds it
        {"0.0.0.0", kAll},
    };
    for (const Case& c : cases) {
        const std::string left = InNamespace([&] { FlushArpEntries(Address(c.address)); });
        if (left == "skip") {
            GTEST_SKIP() << "no network namespace can be made here";
        }
        EXPECT_EQ(left, c.left) << c.address;
    }
}

TEST(FlushArpEntries, DoesNothingWithoutTheRightToChangeTheTable) {
    const std::string left = InNamespace([] {
        if (::setresuid(65534, 65534, 65534) != 0) {  // nobody: no capabilities left
            throw std::runtime_error("cannot become nobody");
        }
        FlushArpEntries(Address("10.77.0.9"));
    });
    if (left == "skip") {
        GTEST_SKIP() << "no network namespace can be made here";
    }
    EXPECT_EQ(left, kAll);
}

TEST(FlushArpEntries, RunsBetweenConnectAttempts) {
    // 10.77.0.9 is reached through va but nobody answers there.
    const std::string left = InNamespace([] {
        SOCKET sock = INVALID_SOCKET;
        const int result = NetConnect(sock, Address("10.77.0.9"), timeval{0, 100000});
        if (result != net_connect::kTimedOut) {
            throw std::runtime_error("NetConnect gave " + std::to_string(result));
        }
    });
    if (left == "skip") {
        GTEST_SKIP() << "no network namespace can be made here";
    }
    EXPECT_EQ(left, "10.77.0.5 va,10.77.0.7 vb,");
}

}  // namespace
