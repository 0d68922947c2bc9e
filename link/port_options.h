#pragma once

// The link options the main window does not show: serial framing, the TCP connect time-out and
// the status monitor's address. They live in the program state only (every start begins with
// the defaults) and take effect at the next opening of a link or monitor connection.

#include <atomic>
#include <cstdint>

// The main window's printer address (host byte order), copied just before the port options
// dialog runs; ticking "Default IP" puts it into the monitor address.
extern std::atomic<std::uint32_t> g_dwPrinterIp;

// The dialog's list selections and address, as the dialog shows and returns them.
struct PortOptionChoice {
    int byteSizeIndex = 4;  // "4".."8"
    int parityIndex = 0;  // "None", "ODD", "EVEN", "MARK", "SPACE"; -1 when typed text matches none
    int stopBitsIndex = 0;             // "1", "1.5", "2"; -1 as above
    int timeoutIndex = 0;              // "1s".."30s"
    std::uint32_t monitorAddress = 0;  // host byte order
};

// The choice that shows the current options (the monitor address from g_addrMonitor).
PortOptionChoice CurrentPortOptions();

// OK: stores data bits, parity, stop bits, time-out and the monitor address.
void StorePortOptions(const PortOptionChoice& choice);

// The opener's first steps: remembers the printer address for the dialog and closes the serial
// port and the printer socket, so the next send opens them with the new options. The parallel
// port and USB stay open.
void PreparePortOptions(std::uint32_t printerAddressField);
