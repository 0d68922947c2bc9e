#include "tests/support/silent_listener.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

#include "tests/support/loopback_address.h"

SilentListener::SilentListener(std::uint16_t port) : m_port(port) {
    // Backlog 0 holds exactly one connection that is never accepted.
    LoopbackBinding binding = BindFreeLoopbackAddress({port}, true, 0);
    m_hostAddress = binding.hostAddress;
    m_listener = binding.sockets.front();
    m_filler = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in target = address();
    if (m_filler < 0 ||
        ::connect(m_filler, reinterpret_cast<const sockaddr*>(&target), sizeof target) < 0) {
        fail("cannot fill the accept queue");
    }
    // The listener turns readable once the filler sits in its queue; from then on it is full.
    pollfd entry{m_listener, POLLIN, 0};
    if (::poll(&entry, 1, 5000) != 1) {
        fail("the filler connection did not arrive");
    }
}

void SilentListener::fail(const char* what) {
    if (m_filler >= 0) {
        ::close(m_filler);
    }
    ::close(m_listener);
    throw std::runtime_error(std::string("SilentListener: ") + what);
}

SilentListener::~SilentListener() {
    ::close(m_filler);
    ::close(m_listener);
}

sockaddr_in SilentListener::address() const {
    return MakeSocketAddress(m_port, m_hostAddress);
}
