#include "link/link_handles.h"

int g_hLpt = INVALID_HANDLE;
int g_hCom = INVALID_HANDLE;
UsbPrinterHandle* g_hUsb = nullptr;
SOCKET g_sockPrinter = INVALID_SOCKET;

std::recursive_mutex& LinkMutex() {
    static std::recursive_mutex mutex;
    return mutex;
}
