#pragma once

// The port options dialog ("Com Set"): serial framing, the TCP connect time-out and the status
// monitor's address. It edits the program-state options of link/port_options.h; nothing is
// kept in Printer.ini.

#include <QtGlobal>

#include "ui/dialog_base.h"

class QComboBox;
class QWidget;

class CComSetDialog : public DialogBase {
    Q_OBJECT

public:
    enum ControlId : int {
        IDOK = 1,
        IDCANCEL = 2,
        IDC_SERIAL_GROUP = 1135,
        IDC_BYTESIZE_LABEL = 1132,
        IDC_BYTESIZE = 1010,
        IDC_PARITY_LABEL = 1133,
        IDC_PARITY = 1011,
        IDC_STOPBITS_LABEL = 1134,
        IDC_STOPBITS = 1012,
        IDC_LOCK = 1051,
        IDC_NETWORK_GROUP = 1112,
        IDC_TIMEOUT_LABEL = 1136,
        IDC_TIMEOUT = 1007,
        IDC_TIMEOUT_HINT = 1137,
        IDC_MONITOR_LABEL = 1138,
        IDC_DEFAULT_IP = 1024,
        IDC_MONITOR_IP = 1034,
    };

    explicit CComSetDialog(QWidget* parent = nullptr);

    // The main window's menu command: remembers the printer address, closes the serial port
    // and the printer socket, then runs the dialog modally. Returns the dialog's result.
    static int Open(QWidget* parent, quint32 printerAddressField);

    // Dialog values.
    quint32 m_dwMonitorIp = 0;  // host byte order
    bool m_bDefault = true;
    bool m_bLock = true;

public slots:
    void accept() override;

protected:
    void exchangeFields(FieldExchange& exchange) override;

private:
    void createControls();
    void OnInitDialog();
    void OnDefaultClicked();
    void OnLockClicked();
    void enableControls();
    int listIndex(int id) const;
};
