#pragma once

#include <QStringList>
#include <atomic>
#include <mutex>

#include "core/main_window_port.h"
#include "core/program_state.h"

// The main window as the links and workers see it: records every status shown (from any
// thread) and holds a printer-address field the test sets.
class FakeMainWindow : public MainWindowPort {
public:
    void showStatusText(const QString& text) override {
        std::lock_guard lock(m_mutex);
        m_shown.append(text);
    }
    quint32 printerAddressField() const override { return m_printerAddress.load(); }
    void showBusyCursor() override { ++m_busyCursors; }

    void setPrinterAddress(quint32 hostOrder) { m_printerAddress = hostOrder; }
    QStringList shown() const {
        std::lock_guard lock(m_mutex);
        // A list of its own: sharing the recorder's would let the thread that appends reuse
        // storage the test thread is still letting go of.
        return QStringList(m_shown.cbegin(), m_shown.cend());
    }
    int busyCursors() const { return m_busyCursors.load(); }

private:
    mutable std::mutex m_mutex;
    QStringList m_shown;
    std::atomic<quint32> m_printerAddress{0};
    std::atomic<int> m_busyCursors{0};
};

// A FakeMainWindow that is the program's main window (g_pMainDlg) while it lives.
class InstalledFakeMainWindow : public FakeMainWindow {
public:
    explicit InstalledFakeMainWindow(quint32 printerAddress = 0) {
        setPrinterAddress(printerAddress);
        g_pMainDlg = this;
    }
    ~InstalledFakeMainWindow() override {
        MainWindowPort* self = this;
        g_pMainDlg.compare_exchange_strong(self, nullptr);
    }
};
