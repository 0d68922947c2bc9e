#pragma once

// Free loopback addresses for test peers. Printers listen on fixed ports (9100, 4000), and
// test programs run side by side, so each peer takes its own 127.0.0.N.

#include <cstdint>
#include <vector>

struct LoopbackBinding {
    std::uint32_t hostAddress = 0;  // 127.0.0.N, host byte order
    std::vector<int> sockets;       // one TCP socket per requested port, same order
};

// Binds one TCP socket per port on the first 127.0.0.N (N in 2..254, starting at a point that
// differs per process and per call) where every port is free. With listen set the sockets
// listen with the given backlog; otherwise they are bound exclusively, so the address stays
// reserved while connections to it are refused until the caller listens. Throws
// std::runtime_error when no address is free.
LoopbackBinding BindFreeLoopbackAddress(const std::vector<std::uint16_t>& ports, bool listen,
                                        int backlog = 16);
