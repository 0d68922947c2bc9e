#include "cli_ports.h"

#include <cstdio>

#include "link/port_names.h"
#include "link/usb_printer.h"

namespace {

void PrintGroup(const char* title, const QStringList& items) {
    std::printf("%s:\n", title);
    if (items.isEmpty()) {
        std::printf("  (none)\n");
    }
    for (const QString& item : items) {
        std::printf("  %s\n", item.toUtf8().constData());
    }
}

QStringList WithDevicePaths(const QStringList& comPorts) {
    QStringList lines;
    for (const QString& port : comPorts) {
        lines << QStringLiteral("%1 (%2)").arg(port, SerialDevicePath(port));
    }
    return lines;
}

}  // namespace

void PrintPresentPorts() {
    PrintGroup("Serial", WithDevicePaths(PresentComPorts()) + PresentSerialDevices());
    PrintGroup("Parallel", PresentParallelDevices());
    PrintGroup("USB printers", KnownUsbPrinterPaths());
    std::fflush(stdout);
}
