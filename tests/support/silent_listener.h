#pragma once

// An address where a connect is never answered, without leaving this machine: a loopback
// listener whose accept queue is full. The system drops further connection requests without
// a reply, so a connect waits until its time-out, as for a printer that is switched off.

#include <netinet/in.h>

#include <cstdint>

#include "core/program_state.h"

class SilentListener {
public:
    explicit SilentListener(std::uint16_t port = kPrintPort);
    ~SilentListener();
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;

    std::uint32_t hostAddress() const { return m_hostAddress; }  // 127.0.0.N, host byte order
    sockaddr_in address() const;                                 // network byte order

private:
    [[noreturn]] void fail(const char* what);

    std::uint32_t m_hostAddress = 0;
    std::uint16_t m_port = 0;
    int m_listener = -1;
    int m_filler = -1;  // the one connection the queue holds
};
