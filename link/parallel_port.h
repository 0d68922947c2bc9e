#pragma once

// The parallel port: opened by name, written within a time limit. Handles are file
// descriptors, INVALID_HANDLE (link/link_handles.h) when closed; close with CloseLinkHandle
// (link/serial_port.h).

#include <QString>
#include <chrono>
#include <cstdint>

// Opens the parallel port named name (LPTn or a device path, see link/port_names.h) for
// writing, non-blocking. On a parallel printer device a printer error (off-line, out of paper)
// makes a write report an error instead of being retried by the driver for ever.
// INVALID_HANDLE when the device cannot be opened.
int LptOpen(const QString& name);

// How long a write of count bytes may take: 2000 ms plus 1 ms per byte.
std::chrono::milliseconds ParallelWriteBound(long long count);

// Writes all bytes, retrying while the printer is busy or off-line, and gives up when
// ParallelWriteBound(count) has passed. Nonzero on success; 0 on failure, time-out or an
// invalid handle.
int LptWrite(int fd, const std::uint8_t* bytes, int count);
