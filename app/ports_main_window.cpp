// The main window's port area: port and model radios, the four port lists and the USB plug
// and unplug watch.

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>

#include "app/main_controls.h"
#include "app/main_window.h"
#include "app/port_controls.h"
#include "core/program_state.h"
#include "link/link_manager.h"
#include "link/port_lists.h"
#include "link/usb_device_change.h"
#include "link/usb_hotplug.h"
#include "link/usb_messages.h"

void CQUENLORDlg::connectPortControls() {
    connect(m_portGroup, &QButtonGroup::idClicked, this, [this](int port) { onPortRadio(port); });
    connect(m_modelGroup, &QButtonGroup::idClicked, this, [this](int) { onModelRadio(); });

    connect(qobject_cast<QComboBox*>(control(IDC_LPT_LIST)), &QComboBox::activated, this,
            [this](int) {
                if (readFields()) {
                    OnLptListChanged(m_strLptName);
                }
            });
    connect(qobject_cast<QComboBox*>(control(IDC_COM_LIST)), &QComboBox::activated, this,
            [this](int) {
                if (readFields()) {
                    OnComListChanged(m_strComName);
                }
            });
    connect(qobject_cast<QComboBox*>(control(IDC_BAUD_LIST)), &QComboBox::activated, this,
            [](int index) { OnBaudListChanged(index); });
    connect(qobject_cast<QComboBox*>(control(IDC_FLOW_LIST)), &QComboBox::activated, this,
            [](int index) { OnFlowListChanged(index); });
}

void CQUENLORDlg::ApplyPortControls() {
    const PortControlRule rule = PortControlsFor(m_nPort);
    const auto apply = [this](const std::optional<bool>& enabled, std::initializer_list<int> ids) {
        if (!enabled) {
            return;
        }
        for (int id : ids) {
            control(id)->setEnabled(*enabled);
        }
    };
    apply(rule.lptList, {IDC_LPT_LIST});
    apply(rule.comList, {IDC_COM_LIST});
    apply(rule.baudList, {IDC_BAUD_LIST});
    apply(rule.flowList, {IDC_FLOW_LIST});
    apply(rule.netButtons, {IDC_REFRESH, IDC_CONNECT_TEST, IDC_SET_IP, IDC_SET_ID, IDC_PING});
}

// A port radio: take the port's name, close every link, select the port type and say which
// one in the status line (the status text itself is left alone).
void CQUENLORDlg::onPortRadio(int port) {
    if (!readFields()) {
        return;
    }
    if (port == PORT_LPT) {
        g_strLptName.set(m_strLptName);
    } else if (port == PORT_COM) {
        g_strComName.set(m_strComName);
    }
    CloseAllLinks();
    g_nPortType = m_nPort;
    showStatusText(PortRadioStatus(port));
    ApplyPortControls();
}

void CQUENLORDlg::onModelRadio() {
    if (readFields()) {
        g_nPrinterModel = m_nModel;
    }
}

// Printers plugged in or out while the program runs are opened and closed at once.
void CQUENLORDlg::startUsbWatch() {
    m_hDevNotify = new UsbHotplug(this);
    ConnectUsbDeviceChange(*m_hDevNotify);
    if (!m_hDevNotify->start()) {
        delete m_hDevNotify;
        m_hDevNotify = nullptr;
        messageBox(Text(usb_messages::kRegisterFailed));
    }
}

void CQUENLORDlg::stopUsbWatch() {
    delete m_hDevNotify;
    m_hDevNotify = nullptr;
}
