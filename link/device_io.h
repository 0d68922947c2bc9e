#pragma once

// Opening a port device and writing a whole buffer to it within a time limit, shared by the
// serial and the parallel port.

#include <QString>
#include <chrono>
#include <cstdint>

// Opens the device at path with flags (plus close-on-exec); -1 for an empty path or when the
// open fails.
int OpenDevice(const QString& path, int flags);

using Deadline = std::chrono::steady_clock::time_point;

// How a write treats an I/O error (EIO): a parallel printer that is off-line or out of paper
// reports one and may come back before the deadline; elsewhere it is final.
enum class IoErrors { Fail, RetryUntilDeadline };

// Writes all count bytes to fd (opened O_NONBLOCK), waiting for room while the device is busy,
// and gives up at the deadline. true when every byte was taken. A count of 0 is one zero-length
// write. A pipe without reader fails the write instead of stopping the program.
bool WriteAllBefore(int fd, const std::uint8_t* bytes, int count, Deadline deadline,
                    IoErrors ioErrors);

// Sleeps until the deadline or for at most slice, whichever comes first; false when the
// deadline has passed already.
bool PauseBefore(Deadline deadline, std::chrono::milliseconds slice);
