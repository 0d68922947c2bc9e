#pragma once

// Stands in for the main window where no window is needed: records every text put into the
// status line (from any thread, in order) and answers the printer-address field with a set
// value. Installs itself as g_pMainDlg for its lifetime.

#include <QString>
#include <QStringList>
#include <atomic>
#include <mutex>

#include "core/main_window_port.h"

class StatusRecorder : public MainWindowPort {
public:
    explicit StatusRecorder(quint32 printerAddress = 0);
    ~StatusRecorder() override;

    void showStatusText(const QString& text) override;
    quint32 printerAddressField() const override { return m_printerAddress; }
    void showBusyCursor() override {}

    void setPrinterAddress(quint32 address) { m_printerAddress = address; }
    QStringList shown() const;
    QString last() const;
    int count() const;
    void clear();
    // Waits (processing events) until `count` texts have been shown; false after timeoutMs.
    bool waitForCount(int count, int timeoutMs) const;

private:
    std::atomic<quint32> m_printerAddress;
    mutable std::mutex m_mutex;
    QStringList m_shown;
};
