#include "link/link_manager.h"

#include <chrono>
#include <thread>

#include "core/program_state.h"
#include "link/link_handles.h"
#include "link/link_messages.h"
#include "link/net_socket.h"
#include "link/parallel_port.h"
#include "link/serial_port.h"
#include "link/usb_printer.h"

using namespace link_messages;

namespace {

void Pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// Closes the printer socket, takes the address from the printer-address field and connects.
int ConnectPrinterSocket() {
    NetClose(g_sockPrinter);
    sockaddr_in address = g_addrPrinter.get();
    ReadPrinterAddress(address);
    g_addrPrinter.set(address);
    if (NetConnect(g_sockPrinter, address, g_nNetTimeout.get()) == 1) {
        SetStatus(Text(kNetConnected));
        return 1;
    }
    SetStatus(Text(kNetConnectFailed));
    return 0;
}

int SendOverNetwork(const std::uint8_t* bytes, int count) {
    if (NetSend(g_sockPrinter, bytes, count) != -1) {
        SetStatus(Text(kNetSent));
        Pause(25);
        return 1;
    }
    NetClose(g_sockPrinter);
    SetStatus(Text(kNetSendFailed));
    Pause(50);
    // One reconnect and resend; its result is not reported, the caller sees the failure and
    // the connection message.
    if (OpenSelectedPort() == 1) {
        NetSend(g_sockPrinter, bytes, count);
    }
    Pause(25);
    return 0;
}

}  // namespace

int OpenSelectedPort() {
    LinkLock lock(LinkMutex());
    switch (g_nPortType.load()) {
        case PORT_LPT:
            if (g_hLpt == INVALID_HANDLE) {
                g_hLpt = LptOpen(g_strLptName.get());
            }
            if (g_hLpt == INVALID_HANDLE) {
                SetStatus(g_strLptName.get() + Text(kLptInvalid));
                return 0;
            }
            return 1;
        case PORT_COM:
            if (g_hCom == INVALID_HANDLE) {
                g_hCom = ComOpen(g_strComName.get(), g_nBaudRate.load());
            }
            if (g_hCom == INVALID_HANDLE) {
                SetStatus(g_strComName.get() + Text(kComInvalid));
                return 0;
            }
            return 1;
        case PORT_USB:
            if (g_hUsb == nullptr) {
                g_hUsb = UsbOpen();
            }
            if (g_hUsb == nullptr) {
                SetStatus(Text(kUsbOpenFailed));
                return 0;
            }
            return 1;
        case PORT_NET:
            return ConnectPrinterSocket();
        default:
            return 1;
    }
}

int SendToPrinter(const std::uint8_t* bytes, int count) {
    if (MainWindowPort* window = g_pMainDlg.load()) {
        window->showBusyCursor();
    }
    LinkLock lock(LinkMutex());
    if (OpenSelectedPort() == 0) {
        return 0;
    }
    switch (g_nPortType.load()) {
        case PORT_LPT: {
            const int result = LptWrite(g_hLpt, bytes, count);
            SetStatus(g_strLptName.get() + Text(result ? kLptSent : kLptSendFailed));
            return result;
        }
        case PORT_COM:
            if (ComWrite(g_hCom, bytes, count)) {
                SetStatus(g_strComName.get() + Text(kComSent));
                return 1;
            }
            SetStatus(g_strComName.get() + Text(kComSendFailed));
            CloseLinkHandle(g_hCom);
            g_hCom = INVALID_HANDLE;
            return 0;
        case PORT_USB:
            UsbPurge(g_hUsb);
            if (UsbWrite(g_hUsb, bytes, count)) {
                SetStatus(Text(kUsbSent));
                return 1;
            }
            SetStatus(Text(kUsbSendFailed));
            UsbClose(g_hUsb);
            g_hUsb = nullptr;
            return 0;
        case PORT_NET:
            return SendOverNetwork(bytes, count);
        default:
            return 0;
    }
}

void CloseAllLinks() {
    LinkLock lock(LinkMutex());
    CloseLinkHandle(g_hCom);
    g_hCom = INVALID_HANDLE;
    CloseLinkHandle(g_hLpt);
    g_hLpt = INVALID_HANDLE;
    if (g_hUsb != nullptr) {
        UsbClose(g_hUsb);
        g_hUsb = nullptr;
    }
    NetClose(g_sockPrinter);
}

void ReadPrinterAddress(sockaddr_in& address) {
    if (MainWindowPort* window = g_pMainDlg.load()) {
        SetHostAddress(address, window->printerAddressField());
    }
}
