#pragma once

// The state every feature shares: the selected link and printer model, the language, the
// status text and the port settings. The interface thread and the two worker threads (auto-send,
// status monitor) use it together: numbers and flags are atomic, texts and addresses are
// SharedValue. The open link handles live with the links (link/link_handles.h).

#include <netinet/in.h>
#include <sys/time.h>

#include <QString>
#include <atomic>
#include <cstdint>

#include "core/dotted_quad.h"
#include "core/main_window_port.h"
#include "core/shared_value.h"

// Port types, also the order of the main window's port radios 1000..1003.
enum PortType : int { PORT_LPT = 0, PORT_COM = 1, PORT_USB = 2, PORT_NET = 3 };

// Printer models, also the order of the model radios 1004..1006.
enum PrinterModel : int { MODEL_POS58 = 0, MODEL_POS76 = 1, MODEL_POS80 = 2 };

inline constexpr std::uint16_t kPrintPort = 9100;   // print data
inline constexpr std::uint16_t kConfigPort = 4000;  // configuration commands and status polls

extern std::atomic<int> g_nPortType;
extern std::atomic<int> g_nPrinterModel;
extern std::atomic<int> g_bChinese;  // nonzero: Chinese texts
extern SharedValue<QString> g_strStatus;
extern std::atomic<MainWindowPort*> g_pMainDlg;
extern SharedValue<QString> g_strAppDir;  // executable's folder, no trailing slash
extern SharedValue<QString> g_strLptName;
extern SharedValue<QString> g_strComName;
extern std::atomic<int> g_nBaudRate;
extern std::atomic<std::uint8_t> g_nByteSize;   // serial data bits
extern std::atomic<std::uint8_t> g_nParity;     // 0 none, 1 odd, 2 even, 3 mark, 4 space
extern std::atomic<std::uint8_t> g_nStopBits;   // 0 one, 1 one and a half, 2 two
extern SharedValue<timeval> g_nNetTimeout;      // one TCP connect attempt
extern SharedValue<sockaddr_in> g_addrPrinter;  // port 9100, network byte order
extern SharedValue<sockaddr_in> g_addrMonitor;  // port 4000, network byte order
extern std::atomic<int> g_bMonitorIpDefault;
extern SharedValue<QString> g_strDocPath;
extern std::atomic<int> g_bCutPaperAuto;

// An IPv4 socket address for a port, address 0.
sockaddr_in MakeSocketAddress(std::uint16_t port, std::uint32_t hostOrderAddress = 0);

// Address conversions between the host-order values of fields and settings and socket
// addresses (network order). Text forms: core/dotted_quad.h.
std::uint32_t HostAddress(const sockaddr_in& address);
void SetHostAddress(sockaddr_in& address, std::uint32_t hostOrderAddress);

// Replaces the status text (never appends).
void SetStatus(const QString& text);

// Copies the status text into the main window's status line; nothing when there is no window.
void ShowStatus();

// Puts every variable back to its value at program start (a fresh start, and tests).
void ResetProgramState();
