#include "link/arp_cache.h"

#include <linux/neighbour.h>
#include <netlink/addr.h>
#include <netlink/cache.h>
#include <netlink/netlink.h>
#include <netlink/route/neighbour.h>
#include <sys/socket.h>

#include <cstring>
#include <memory>
#include <set>
#include <vector>

namespace {

struct SocketFree {
    void operator()(nl_sock* sock) const { nl_socket_free(sock); }
};
struct CacheFree {
    void operator()(nl_cache* cache) const { nl_cache_free(cache); }
};

bool HoldsAddress(rtnl_neigh* neigh, in_addr_t address) {
    nl_addr* dst = rtnl_neigh_get_dst(neigh);
    return dst && nl_addr_get_family(dst) == AF_INET && nl_addr_get_len(dst) == sizeof address &&
           std::memcmp(nl_addr_get_binary_addr(dst), &address, sizeof address) == 0;
}

// Entries the kernel learned, as opposed to ones configured by hand or that never resolve.
bool IsLearned(rtnl_neigh* neigh) {
    const int state = rtnl_neigh_get_state(neigh);
    return state >= 0 && !(state & (NUD_PERMANENT | NUD_NOARP));
}

std::vector<rtnl_neigh*> Ipv4Entries(nl_cache* cache) {
    std::vector<rtnl_neigh*> entries;
    for (nl_object* object = nl_cache_get_first(cache); object;
         object = nl_cache_get_next(object)) {
        auto* neigh = reinterpret_cast<rtnl_neigh*>(object);
        if (rtnl_neigh_get_family(neigh) == AF_INET) {
            entries.push_back(neigh);
        }
    }
    return entries;
}

}  // namespace

void FlushArpEntries(const sockaddr_in& address) {
    std::unique_ptr<nl_sock, SocketFree> sock(nl_socket_alloc());
    if (!sock || nl_connect(sock.get(), NETLINK_ROUTE) < 0) {
        return;
    }
    nl_cache* rawCache = nullptr;
    if (rtnl_neigh_alloc_cache(sock.get(), &rawCache) < 0 || !rawCache) {
        return;
    }
    std::unique_ptr<nl_cache, CacheFree> cache(rawCache);
    const std::vector<rtnl_neigh*> entries = Ipv4Entries(cache.get());

    std::set<int> interfaces;
    for (rtnl_neigh* neigh : entries) {
        if (HoldsAddress(neigh, address.sin_addr.s_addr)) {
            interfaces.insert(rtnl_neigh_get_ifindex(neigh));
        }
    }
    for (rtnl_neigh* neigh : entries) {
        if (interfaces.count(rtnl_neigh_get_ifindex(neigh)) && IsLearned(neigh)) {
            rtnl_neigh_delete(sock.get(), neigh, 0);  // refused without CAP_NET_ADMIN: ignored
        }
    }
}
