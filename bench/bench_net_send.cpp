// Throughput of NetSend (non-blocking socket, wait for room, send the rest) against a plain
// blocking send loop, both to a loopback sink that reads as fast as it can. Prints the ratio
// NetSend / blocking for each block size at the end.

#include <benchmark/benchmark.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "link/net_socket.h"
#include "tests/support/printer_peer.h"

namespace {

constexpr timeval kOneSecond{1, 0};

int BlockingSendAll(int fd, const Bytes& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::send(fd, data.data() + done, data.size() - done, MSG_NOSIGNAL);
        if (n <= 0) {
            return -1;
        }
        done += static_cast<std::size_t>(n);
    }
    return static_cast<int>(done);
}

void BM_NetSend(benchmark::State& state) {
    NetStartup();
    PrinterPeer sink;
    sink.setRecording(false);
    SOCKET sock = INVALID_SOCKET;
    if (NetConnect(sock, sink.address(), kOneSecond) != net_connect::kConnected) {
        state.SkipWithError("cannot connect to the sink");
        return;
    }
    const Bytes data(static_cast<std::size_t>(state.range(0)), 0x55);
    const int size = static_cast<int>(data.size());
    for (auto _ : state) {
        if (NetSend(sock, data.data(), size) != size) {
            state.SkipWithError("NetSend failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    NetClose(sock);
}

void BM_BlockingSend(benchmark::State& state) {
    PrinterPeer sink;
    sink.setRecording(false);
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = sink.address();
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        state.SkipWithError("cannot connect to the sink");
        ::close(fd);
        return;
    }
    const Bytes data(static_cast<std::size_t>(state.range(0)), 0x55);
    for (auto _ : state) {
        if (BlockingSendAll(fd, data) != static_cast<int>(data.size())) {
            state.SkipWithError("send failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    ::close(fd);
}

BENCHMARK(BM_NetSend)->Arg(64)->Arg(4096)->Arg(1 << 20)->UseRealTime();
BENCHMARK(BM_BlockingSend)->Arg(64)->Arg(4096)->Arg(1 << 20)->UseRealTime();

// Console output as usual, plus the bytes per second of each run kept for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto counter = run.counters.find("bytes_per_second");
            if (run.error_occurred || counter == run.counters.end()) {
                continue;
            }
            // Single runs, or their means when only aggregates are reported.
            const bool single = run.run_type == Run::RT_Iteration;
            if (single || run.aggregate_name == "mean") {
                auto& [sum, count] = m_rates[single][run.run_name.function_name][run.run_name.args];
                sum += counter->second.value;
                ++count;
            }
        }
    }

    void printRatios() const {
        if (m_rates.empty()) {
            return;
        }
        const auto& rates = m_rates.count(true) ? m_rates.at(true) : m_rates.at(false);
        const auto net = rates.find("BM_NetSend");
        const auto blocking = rates.find("BM_BlockingSend");
        if (net == rates.end() || blocking == rates.end()) {
            return;
        }
        std::printf("\nNetSend / blocking send throughput:\n");
        for (const auto& [args, rate] : net->second) {
            const auto other = blocking->second.find(args);
            if (other != blocking->second.end() && other->second.first > 0) {
                const double ratio =
                    (rate.first / rate.second) / (other->second.first / other->second.second);
                std::printf("  block %-8s %.2f\n", args.c_str(), ratio);
            }
        }
    }

private:
    // single run or mean -> function -> block size -> (sum of bytes per second, runs)
    std::map<bool, std::map<std::string, std::map<std::string, std::pair<double, int>>>> m_rates;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
