#include "core/program_state.h"

#include <arpa/inet.h>

std::atomic<int> g_nPortType{PORT_NET};
std::atomic<int> g_nPrinterModel{MODEL_POS80};
std::atomic<int> g_bChinese{1};
SharedValue<QString> g_strStatus;
std::atomic<MainWindowPort*> g_pMainDlg{nullptr};
SharedValue<QString> g_strAppDir;
SharedValue<QString> g_strLptName{QStringLiteral("LPT1")};
SharedValue<QString> g_strComName{QStringLiteral("COM1")};
std::atomic<int> g_nBaudRate{9600};
std::atomic<std::uint8_t> g_nByteSize{8};
std::atomic<std::uint8_t> g_nParity{0};
std::atomic<std::uint8_t> g_nStopBits{0};
SharedValue<timeval> g_nNetTimeout{timeval{1, 0}};
SharedValue<sockaddr_in> g_addrPrinter{MakeSocketAddress(kPrintPort)};
SharedValue<sockaddr_in> g_addrMonitor{MakeSocketAddress(kConfigPort)};
std::atomic<int> g_bMonitorIpDefault{1};
SharedValue<QString> g_strDocPath;
std::atomic<int> g_bCutPaperAuto{0};

sockaddr_in MakeSocketAddress(std::uint16_t port, std::uint32_t hostOrderAddress) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(hostOrderAddress);
    return address;
}

std::uint32_t HostAddress(const sockaddr_in& address) {
    return ntohl(address.sin_addr.s_addr);
}

void SetHostAddress(sockaddr_in& address, std::uint32_t hostOrderAddress) {
    address.sin_addr.s_addr = htonl(hostOrderAddress);
}

void SetStatus(const QString& text) {
    g_strStatus.set(text);
}

void ShowStatus() {
    if (MainWindowPort* window = g_pMainDlg.load()) {
        window->showStatusText(g_strStatus.get());
    }
}

void ResetProgramState() {
    g_nPortType = PORT_NET;
    g_nPrinterModel = MODEL_POS80;
    g_bChinese = 1;
    g_strStatus.set(QString());
    g_strLptName.set(QStringLiteral("LPT1"));
    g_strComName.set(QStringLiteral("COM1"));
    g_nBaudRate = 9600;
    g_nByteSize = 8;
    g_nParity = 0;
    g_nStopBits = 0;
    g_nNetTimeout.set(timeval{1, 0});
    g_addrPrinter.set(MakeSocketAddress(kPrintPort));
    g_addrMonitor.set(MakeSocketAddress(kConfigPort));
    g_bMonitorIpDefault = 1;
    g_strDocPath.set(QString());
    g_bCutPaperAuto = 0;
}
