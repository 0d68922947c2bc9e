#include "link/com_set_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "core/program_state.h"
#include "link/com_set_texts.h"
#include "link/port_options.h"
#include "ui/ip_address_edit.h"
#include "ui/xp_button.h"

using namespace com_set_texts;

namespace {

QComboBox* FillList(QComboBox* list, const QStringList& items, bool editable) {
    list->addItems(items);
    list->setEditable(editable);
    if (editable) {
        list->setInsertPolicy(QComboBox::NoInsert);
    }
    return list;
}

}  // namespace

CComSetDialog::CComSetDialog(QWidget* parent) : DialogBase(parent) {
    setWindowTitle(QString::fromUtf8(kCaption));
    m_bDefault = g_bMonitorIpDefault != 0;
    m_dwMonitorIp = HostAddress(g_addrMonitor.get());
    m_bLock = true;  // the framing lists start locked every time
    createControls();
    OnInitDialog();
}

int CComSetDialog::Open(QWidget* parent, quint32 printerAddressField) {
    PreparePortOptions(printerAddressField);
    CComSetDialog dialog(parent);
    return dialog.exec();
}

void CComSetDialog::createControls() {
    addControl<QGroupBox>(IDC_SERIAL_GROUP, 7, 5, 236, 52);
    addControl<QLabel>(IDC_BYTESIZE_LABEL, 14, 20, 38, 8);
    FillList(addControl<QComboBox>(IDC_BYTESIZE, 54, 18, 40, 70), {"4", "5", "6", "7", "8"}, false);
    addControl<QLabel>(IDC_PARITY_LABEL, 112, 20, 44, 8);
    FillList(addControl<QComboBox>(IDC_PARITY, 158, 18, 56, 70),
             {"None", "ODD", "EVEN", "MARK", "SPACE"}, true);
    addControl<QLabel>(IDC_STOPBITS_LABEL, 14, 39, 38, 8);
    FillList(addControl<QComboBox>(IDC_STOPBITS, 54, 37, 40, 50), {"1", "1.5", "2"}, true);
    auto* lock = addControl<QCheckBox>(IDC_LOCK, 112, 39, 44, 10);

    addControl<QGroupBox>(IDC_NETWORK_GROUP, 7, 62, 236, 82);
    addControl<QLabel>(IDC_TIMEOUT_LABEL, 14, 77, 38, 8);
    QStringList seconds;
    for (int s = 1; s <= 30; ++s) {
        seconds << QStringLiteral("%1s").arg(s);
    }
    FillList(addControl<QComboBox>(IDC_TIMEOUT, 54, 75, 40, 100), seconds, false);
    auto* hint = addControl<QLabel>(IDC_TIMEOUT_HINT, 14, 92, 222, 26);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addControl<QLabel>(IDC_MONITOR_LABEL, 14, 124, 38, 8);
    auto* byDefault = addControl<QCheckBox>(IDC_DEFAULT_IP, 54, 123, 50, 10);
    addControl<IpAddressEdit>(IDC_MONITOR_IP, 108, 121, 100, 14);

    auto* ok = addControl<CXPButton>(IDOK, 62, 151, 50, 16);
    auto* cancel = addControl<CXPButton>(IDCANCEL, 138, 151, 50, 16);
    ok->setDefault(true);
    setDialogSize(250, 174);

    connect(ok, &QPushButton::clicked, this, &CComSetDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CComSetDialog::reject);
    connect(byDefault, &QCheckBox::clicked, this, &CComSetDialog::OnDefaultClicked);
    connect(lock, &QCheckBox::clicked, this, &CComSetDialog::OnLockClicked);
}

void CComSetDialog::OnInitDialog() {
    const std::pair<int, const Message*> texts[] = {
        {IDC_SERIAL_GROUP, &kSerialGroup},
        {IDC_BYTESIZE_LABEL, &kByteSize},
        {IDC_PARITY_LABEL, &kParity},
        {IDC_STOPBITS_LABEL, &kStopBits},
        {IDC_LOCK, &kLock},
        {IDC_NETWORK_GROUP, &kNetworkGroup},
        {IDC_TIMEOUT_LABEL, &kTimeout},
        {IDC_TIMEOUT_HINT, &kTimeoutHint},
        {IDC_MONITOR_LABEL, &kMonitorIp},
        {IDC_DEFAULT_IP, &kDefaultIp},
        {IDOK, &kOk},
        {IDCANCEL, &kCancel},
    };
    for (const auto& [id, message] : texts) {
        setControlText(id, Text(*message));
    }
    showFields();
    enableControls();
    const PortOptionChoice current = CurrentPortOptions();
    control<QComboBox>(IDC_BYTESIZE)->setCurrentIndex(current.byteSizeIndex);
    control<QComboBox>(IDC_PARITY)->setCurrentIndex(current.parityIndex);
    control<QComboBox>(IDC_STOPBITS)->setCurrentIndex(current.stopBitsIndex);
    control<QComboBox>(IDC_TIMEOUT)->setCurrentIndex(current.timeoutIndex);
}

void CComSetDialog::exchangeFields(FieldExchange& exchange) {
    exchange.address(IDC_MONITOR_IP, m_dwMonitorIp);
    exchange.check(IDC_DEFAULT_IP, m_bDefault);
    exchange.check(IDC_LOCK, m_bLock);
}

void CComSetDialog::enableControls() {
    control(IDC_MONITOR_IP)->setEnabled(!m_bDefault);
    for (int id : {IDC_BYTESIZE, IDC_PARITY, IDC_STOPBITS}) {
        control(id)->setEnabled(!m_bLock);
    }
}

void CComSetDialog::OnDefaultClicked() {
    readFields();
    // Kept at once: Cancel does not undo it.
    g_bMonitorIpDefault = m_bDefault ? 1 : 0;
    if (m_bDefault) {
        m_dwMonitorIp = g_dwPrinterIp;
        showFields();
    }
    enableControls();
}

void CComSetDialog::OnLockClicked() {
    readFields();
    enableControls();
}

int CComSetDialog::listIndex(int id) const {
    const auto* list = control<QComboBox>(id);
    if (!list->isEditable()) {
        return list->currentIndex();
    }
    // An editable list counts what its box shows: a typed text that names no item is -1.
    return list->findText(list->currentText(), Qt::MatchFixedString);
}

void CComSetDialog::accept() {
    readFields();
    PortOptionChoice choice;
    choice.byteSizeIndex = listIndex(IDC_BYTESIZE);
    choice.parityIndex = listIndex(IDC_PARITY);
    choice.stopBitsIndex = listIndex(IDC_STOPBITS);
    choice.timeoutIndex = listIndex(IDC_TIMEOUT);
    choice.monitorAddress = m_dwMonitorIp;
    StorePortOptions(choice);
    DialogBase::accept();
}
