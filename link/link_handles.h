#pragma once

// The open links. A link is open exactly when its handle is not the invalid value. All four
// are read and changed only while LinkLock() is held, so the interface thread and the
// auto-send thread never use one link at the same time.

#include <mutex>

struct UsbPrinterHandle;  // link/usb_printer.h

using SOCKET = int;
inline constexpr SOCKET INVALID_SOCKET = -1;
inline constexpr int INVALID_HANDLE = -1;  // parallel and serial file descriptors

extern int g_hLpt;
extern int g_hCom;
extern UsbPrinterHandle* g_hUsb;  // nullptr when closed
extern SOCKET g_sockPrinter;

// Held for the whole of one send or one open/close of the links. Recursive so that a
// link-manager step may call another (a send opens the port first).
std::recursive_mutex& LinkMutex();
using LinkLock = std::lock_guard<std::recursive_mutex>;
