// The main window's start-up and the end of the program.

#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>

#include "app/language_texts.h"
#include "app/main_controls.h"
#include "app/main_window.h"
#include "app/port_controls.h"
#include "app/sending_main_window.h"
#include "core/main_window_settings.h"
#include "core/message.h"
#include "core/program_state.h"
#include "link/link_handles.h"
#include "link/link_manager.h"
#include "link/net_socket.h"
#include "link/port_lists.h"
#include "link/port_names.h"
#include "link/usb_printer.h"
#include "netadmin/local_host_address.h"
#include "ui/field_exchange.h"
#include "ui/ui_service.h"

namespace {

constexpr quint32 kStartNewIp = 0xC0A80164;  // 192.168.1.100

}  // namespace

// After the controls exist: the window menu, the flow-control start value, the serial list and
// the window's own start-up.
void CQUENLORDlg::initDialog() {
    // The window menu opens from the caption's icon (caption_main_window.cpp).
    auto* flow = qobject_cast<QComboBox*>(control(IDC_FLOW_LIST));
    flow->setCurrentIndex(kStartFlowIndex);
    OnFlowListChanged(kStartFlowIndex);

    auto* com = qobject_cast<QComboBox*>(control(IDC_COM_LIST));
    com->clear();
    com->addItems(SerialPortListItems());

    InitMainWindow();
}

void CQUENLORDlg::InitMainWindow() {
    g_strAppDir.set(m_appDir);

    m_dwLocalIp = LocalHostAddress();
    m_dwNewIp = kStartNewIp;
    showFields();

    loadSettingsIntoFields();
    showFields();
    readFields();

    g_nPrinterModel = m_nModel;
    g_nPortType = m_nPort;
    g_strComName.set(m_strComName);
    g_strLptName.set(m_strLptName);
    g_addrPrinter.update([this](sockaddr_in& a) { SetHostAddress(a, m_dwPrinterIp); });
    g_addrMonitor.update([this](sockaddr_in& a) { SetHostAddress(a, m_dwPrinterIp); });

    // A rate that is not in the list leaves it without selection; g_nBaudRate keeps the rate.
    auto* baud = qobject_cast<QComboBox*>(control(IDC_BAUD_LIST));
    const QSignalBlocker quiet(baud);
    baud->setCurrentIndex(FindItemWithPrefix(BaudListItems(), QString::number(g_nBaudRate.load())));

    ApplyPortControls();
    ApplyLanguage(g_bChinese);

    startUsbWatch();
    {
        LinkLock lock(LinkMutex());
        if (g_hUsb == nullptr) {
            g_hUsb = UsbOpen();
        }
    }

    createAccelerators();

    SetStatus(Text(kStatusGreeting));
    m_strContent = Text(kGreeting);
    showFields();
    ShowStatus();

    setFooterFonts();
}

void CQUENLORDlg::loadSettingsIntoFields() {
    const MainWindowSettings settings = LoadMainWindowSettings();
    m_dwPrinterIp = settings.printerIp;
    m_strComName = settings.comName;
    m_strLptName = settings.lptName;
    m_nPort = settings.portSelect;
    m_nModel = settings.printerSelect;
    g_nBaudRate = settings.baudRate;
    g_bChinese = settings.language;
}

// Title line, website line and the two footer notices: Arial, dark blue (the website blue,
// italic and underlined).
void CQUENLORDlg::setFooterFonts() {
    struct FooterFont {
        int id;
        int pixels;
        bool link;
    };
    const FooterFont fonts[] = {{IDC_TITLE_LINE, 30, false},
                                {IDC_WEBSITE, 18, true},
                                {IDC_FOOTER_LEFT, 18, false},
                                {IDC_FOOTER_RIGHT, 18, false}};
    for (const FooterFont& f : fonts) {
        QWidget* label = control(f.id);
        QFont font = WindowsFont(QStringLiteral("Arial"), kMainFontPointSize);
        font.setPixelSize(f.pixels);
        font.setItalic(f.link);
        font.setUnderline(f.link);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, f.link ? QColor(0, 0x55, 0xE7) : QColor(0, 0, 0x84));
        label->setPalette(palette);
    }
    control(IDC_WEBSITE)->setCursor(Qt::PointingHandCursor);
    control(IDC_WEBSITE)->installEventFilter(this);
}

// The closing steps, in order. The window's destructor runs them at the latest.
void CQUENLORDlg::EndProgram() {
    if (m_ended) {
        return;
    }
    m_ended = true;
    m_sending->shutdown();
    CloseAllLinks();
    // Join point for the network status monitor (not built yet): close its socket here, and
    // after NetCleanup clear its run flag and join its thread, waiting at most 1200 ms, so it
    // never outlives the window it paints into.
    stopUsbWatch();
    NetCleanup();
    SaveMainWindowSettings(settingsToSave());
}

// The seven stored values. Only the fields the file keeps are read: they come before the two
// validated numbers, so no validation message can appear while the window closes.
MainWindowSettings CQUENLORDlg::settingsToSave() {
    FieldExchange dx(this, FieldExchange::Direction::Read);
    dx.radio({1000, 1001, 1002, 1003}, m_nPort);
    dx.radio({1004, 1005, 1006}, m_nModel);
    dx.comboText(IDC_LPT_LIST, m_strLptName);
    dx.comboText(IDC_COM_LIST, m_strComName);
    MainWindowSettings settings;
    settings.printerIp = HostAddress(g_addrPrinter.get());
    settings.comName = m_strComName;
    settings.lptName = m_strLptName;
    settings.portSelect = m_nPort;
    settings.printerSelect = m_nModel;
    settings.baudRate = g_nBaudRate;
    settings.language = g_bChinese;
    return settings;
}

// Enter does nothing; Escape ends the program like Exit and the close button.
void CQUENLORDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return;
        case Qt::Key_Escape:
            event->accept();
            reject();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}
