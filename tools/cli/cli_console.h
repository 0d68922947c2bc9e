#pragma once

#include <QString>
#include <atomic>

#include "core/main_window_port.h"

// Stands in for the main window: a shown status goes to standard output as one line, and the
// printer-address field is the address the command line chose.
class CliConsole : public MainWindowPort {
public:
    explicit CliConsole(quint32 printerAddress) : m_printerAddress(printerAddress) {}

    void showStatusText(const QString& text) override;
    quint32 printerAddressField() const override { return m_printerAddress; }
    void showBusyCursor() override {}

private:
    std::atomic<quint32> m_printerAddress;
};

// Writes a usage error to standard error.
void PrintUsageError(const QString& text);
