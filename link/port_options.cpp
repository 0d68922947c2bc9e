#include "link/port_options.h"

#include "core/program_state.h"
#include "link/link_handles.h"
#include "link/net_socket.h"
#include "link/serial_port.h"

std::atomic<std::uint32_t> g_dwPrinterIp{0};

PortOptionChoice CurrentPortOptions() {
    PortOptionChoice choice;
    choice.byteSizeIndex = g_nByteSize - 4;
    choice.parityIndex = g_nParity;
    choice.stopBitsIndex = g_nStopBits;
    choice.timeoutIndex = static_cast<int>(g_nNetTimeout.get().tv_sec) - 1;
    choice.monitorAddress = HostAddress(g_addrMonitor.get());
    return choice;
}

void StorePortOptions(const PortOptionChoice& choice) {
    g_nByteSize = static_cast<std::uint8_t>(choice.byteSizeIndex + 4);
    // A parity typed into the list that names no item is stored as 255, which the serial port
    // refuses when it is next configured.
    g_nParity = static_cast<std::uint8_t>(choice.parityIndex);
    g_nStopBits = static_cast<std::uint8_t>(
        choice.stopBitsIndex == 1 || choice.stopBitsIndex == 2 ? choice.stopBitsIndex : 0);
    g_nNetTimeout.set(timeval{choice.timeoutIndex + 1, 0});
    g_addrMonitor.update(
        [&](sockaddr_in& address) { SetHostAddress(address, choice.monitorAddress); });
}

void PreparePortOptions(std::uint32_t printerAddressField) {
    g_dwPrinterIp = printerAddressField;
    LinkLock lock(LinkMutex());
    CloseLinkHandle(g_hCom);
    g_hCom = INVALID_HANDLE;
    NetClose(g_sockPrinter);
}
