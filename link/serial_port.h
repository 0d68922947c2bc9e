#pragma once

// The serial port: opened by name, written with a bounded wait, closed. Handles are file
// descriptors; INVALID_HANDLE (link/link_handles.h) when closed or when an open fails.

#include <QString>
#include <cstdint>

// Opens the serial port named name (COMn or a device path, see link/port_names.h) for reading
// and writing, non-blocking, without becoming the controlling terminal and refusing a second
// opener. Sets raw bytes at baudRate with the framing of the port options (g_nByteSize,
// g_nParity, g_nStopBits), no flow control, DTR on and RTS off. A framing the line cannot do is
// refused and the port keeps the framing it had; it opens all the same. INVALID_HANDLE when the
// device cannot be opened.
int ComOpen(const QString& name, int baudRate);

// Discards what waits to be sent or read, then writes all bytes and waits until they have left
// the kernel's buffer, giving up after twice the time they take at the line's speed plus 5 s
// (a printer holding XOFF would otherwise stop the caller for ever). 1 on success, 0 on
// failure, time-out or an invalid handle; after a failure the unsent rest is discarded.
int ComWrite(int fd, const std::uint8_t* bytes, int count);

// Closes a serial or parallel handle; nothing for INVALID_HANDLE.
void CloseLinkHandle(int fd);

// Changes the speed of the open port, the other settings stay; false when refused.
bool SetComBaudRate(int fd, int rate);

// Applies an entry of the flow-control list (0 "None", 1 "Xon/Xoff", 2 "RTS",
// 3 "RTS/XonXoff") to the open port: XON/XOFF for 1 and 3, none for 0 and 2, XON 0x11, XOFF
// 0x13, RTS held on and DTR off. False for another index, an invalid handle, or when refused.
bool SetComFlowControl(int fd, int listIndex);
