#pragma once

// Every send to the printer goes through here: the selected link is opened on demand (the
// network link is connected anew for every send), the bytes are written whole, and the result
// text is left in g_strStatus for the caller to show or not.

#include <netinet/in.h>

#include <cstdint>

#include "core/bytes.h"

// Opens the selected link if needed, writes the bytes as they are, sets g_strStatus.
// Nonzero on success. Safe to call from the interface thread and a worker at the same time:
// sends are serialised.
int SendToPrinter(const std::uint8_t* bytes, int count);
inline int SendToPrinter(const Bytes& bytes) {
    return SendToPrinter(bytes.data(), static_cast<int>(bytes.size()));
}

// Makes the selected link usable: 1 ready, 0 failed (the reason in g_strStatus).
int OpenSelectedPort();

// Closes the serial, parallel and USB links and the printer socket.
void CloseAllLinks();

// Puts the main window's printer-address field into the address part of `address` (network
// byte order). Without a main window the address is left as it is.
void ReadPrinterAddress(sockaddr_in& address);
