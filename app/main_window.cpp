#include "app/main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>

#include "app/main_controls.h"
#include "app/program_pictures_window.h"
#include "app/sending_main_window.h"
#include "core/program_state.h"
#include "link/link_handles.h"
#include "ui/caption_frame.h"
#include "ui/drop_edit.h"
#include "ui/ip_address_edit.h"
#include "ui/picture_area.h"
#include "ui/splash.h"
#include "ui/up_down.h"
#include "ui/xp_button.h"

namespace {

// Check boxes and radio buttons keep the classic small gap between the box and the text; the
// control table's widths were made for it.
class ClassicSpacingStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing) {
            return 3;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

// A font named by its Windows face, followed by the metric-compatible face Debian ships, so the
// texts keep the widths the layout was made for. Chinese characters come from the system's
// fallback (a CJK font).
QFont WindowsFont(const QString& face, int pointSize) {
    QFont font(face, pointSize);
    font.setFamilies({face, QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

CQUENLORDlg::CQUENLORDlg(const QString& appDir, QWidget* parent)
    : DialogBase(parent), m_appDir(appDir) {
    // Construction: a fresh link and address state, Chinese until the settings say otherwise.
    g_strDocPath.set(QString());
    {
        LinkLock lock(LinkMutex());
        g_sockPrinter = INVALID_SOCKET;
    }
    g_addrPrinter.set(MakeSocketAddress(kPrintPort));
    g_addrMonitor.set(MakeSocketAddress(kConfigPort));
    g_bChinese = 1;
    g_pMainDlg = this;

    // A main window (task bar entry, minimisable), not a dialog of another window.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
    m_classicStyle = new ClassicSpacingStyle;
    m_classicStyle->setParent(this);
    setWindowTitle(QString::fromUtf8(kMainCaption));
    setWindowIcon(ProgramIcon());
    setFont(WindowsFont(QString::fromUtf8(kMainFontFamily), kMainFontPointSize));
    CSplashWnd::OpenSplash(this);

    createChrome();
    createMenus();
    registerCommands();
    installMenuBar(true);
    fitMenuBar();
    createControls();
    m_sending = std::make_unique<Sending>(*this);
    initDialog();
}

// The links and workers stop reaching the window before it closes down.
CQUENLORDlg::~CQUENLORDlg() {
    MainWindowPort* self = this;
    g_pMainDlg.compare_exchange_strong(self, nullptr);
    EndProgram();
}

// The painted frame and caption go round the menu bar and the controls; the caption's icon
// opens the window menu.
void CQUENLORDlg::createChrome() {
    m_chrome = new WindowChrome(this);
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);
    connect(m_chrome, &WindowChrome::iconClicked, this,
            [this](const QPoint& at) { showWindowMenu(at); });
}

// The menu bar takes the top of the area inside the frame; the controls start below it.
void CQUENLORDlg::fitMenuBar() {
    const QMargins frame = ChromeMargins(m_chrome->metrics());
    const int menuHeight = m_menuBar->sizeHint().height();
    setContentsMargins(frame.left(), frame.top() + menuHeight, frame.right(), frame.bottom());
    setDialogSize(kMainWidthDlu, kMainHeightDlu);
    setMinimumSize(size());
    m_menuBar->setGeometry(frame.left(), frame.top(), width() - frame.left() - frame.right(),
                           menuHeight);
}

void CQUENLORDlg::resizeEvent(QResizeEvent* event) {
    DialogBase::resizeEvent(event);
    if (m_menuBar != nullptr && m_chrome != nullptr) {
        const QMargins frame = ChromeMargins(m_chrome->metrics());
        m_menuBar->resize(width() - frame.left() - frame.right(), m_menuBar->height());
    }
}

void CQUENLORDlg::createControls() {
    QButtonGroup* group = nullptr;
    for (const ControlSpec& spec : MainControls()) {
        QWidget* widget = createControl(spec);
        registerControl(spec.id == 0 ? kNoControlId : spec.id, widget);
        place(widget, spec.dlu.x(), spec.dlu.y(), spec.dlu.width(), spec.dlu.height());
        widget->setVisible(spec.visible);
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            if (spec.kind == ControlKind::RadioGroupStart) {
                group = group == nullptr ? (m_portGroup = new QButtonGroup(this))
                                         : (m_modelGroup = new QButtonGroup(this));
            }
            const int first = group == m_portGroup ? IDC_RADIO_LPT : IDC_RADIO_POS58;
            group->addButton(radio, spec.id - first);
        }
    }
    connectPortControls();
}

QWidget* CQUENLORDlg::createControl(const ControlSpec& spec) {
    const QString text = QString::fromUtf8(spec.text);
    switch (spec.kind) {
        case ControlKind::GroupBox:
            return new QGroupBox(text, this);
        case ControlKind::Radio:
        case ControlKind::RadioGroupStart: {
            auto* radio = new QRadioButton(text, this);
            radio->setStyle(m_classicStyle);
            return radio;
        }
        case ControlKind::DropList: {
            auto* list = new QComboBox(this);
            if (spec.id == IDC_LPT_LIST) {
                list->addItems(LptListItems());
            } else if (spec.id == IDC_BAUD_LIST) {
                list->addItems(BaudListItems());
            } else if (spec.id == IDC_FLOW_LIST) {
                list->addItems(FlowListItems());
            }
            return list;
        }
        case ControlKind::Static: {
            auto* label = new QLabel(text, this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::IpAddress: {
            auto* ip = new IpAddressEdit(this);
            if (spec.id == IDC_PRINTER_IP) {
                connect(ip, &IpAddressEdit::addressChanged, this,
                        [this, ip] { m_printerIpCopy = ip->address(); });
            }
            return ip;
        }
        case ControlKind::RoundButton:
        case ControlKind::PushButton: {
            QPushButton* button = spec.kind == ControlKind::RoundButton
                                      ? new CXPButton(text, this)
                                      : new QPushButton(text, this);
            button->setAutoDefault(false);
            const int id = spec.id;
            connect(button, &QPushButton::clicked, this, [this, id] { runCommand(id); });
            return button;
        }
        case ControlKind::CheckBox: {
            auto* check = new QCheckBox(text, this);
            check->setStyle(m_classicStyle);
            return check;
        }
        case ControlKind::Edit:
        case ControlKind::StatusLine:
            return new QLineEdit(this);
        case ControlKind::ContentEdit: {
            auto* edit = new CDropEdit(this);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            edit->setTabChangesFocus(true);
            return edit;
        }
        case ControlKind::UpDown:
            return new UpDown(this);
        case ControlKind::Picture: {
            auto* picture = new PictureArea(this);
            picture->setPicture(ProgramPicture(IDB_FOOTER));
            picture->setCursor(Qt::PointingHandCursor);
            return picture;
        }
    }
    return new QWidget(this);
}

// The fields with their controls, in field order; a failed read stops the later steps.
void CQUENLORDlg::exchangeFields(FieldExchange& dx) {
    dx.radio({1000, 1001, 1002, 1003}, m_nPort);
    dx.radio({1004, 1005, 1006}, m_nModel);
    dx.text(IDC_CONTENT, m_strContent);
    dx.check(IDC_HEX, m_bHex);
    dx.comboText(IDC_LPT_LIST, m_strLptName);
    dx.comboText(IDC_COM_LIST, m_strComName);
    dx.address(IDC_LOCAL_IP, m_dwLocalIp);
    dx.address(IDC_PRINTER_IP, m_dwPrinterIp);
    dx.address(IDC_NEW_IP, m_dwNewIp);
    dx.address(IDC_NEW_ID, m_dwNewId);
    dx.integer(IDC_REPEAT, m_nRepeat);
    dx.check(IDC_AUTO_SEND, m_bAutoSend);
    dx.integer(IDC_PERIOD, m_nPeriod, 1, 65535);
}

// From a worker the text is posted to the interface thread; on the interface thread it shows
// at once, so a handler that sends several times shows each result.
void CQUENLORDlg::showStatusText(const QString& text) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, text] { showStatusText(text); }, Qt::QueuedConnection);
        return;
    }
    if (auto* status = control<QLineEdit>(IDC_STATUS)) {
        status->setText(text);
    }
}

quint32 CQUENLORDlg::printerAddressField() const {
    return m_printerIpCopy.load();
}

// The busy cursor stays until the pointer next moves (the event filter takes it down).
void CQUENLORDlg::showBusyCursor() {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this] { showBusyCursor(); }, Qt::QueuedConnection);
        return;
    }
    if (!m_busyCursor) {
        m_busyCursor = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        qApp->installEventFilter(this);
    }
}

bool CQUENLORDlg::eventFilter(QObject* watched, QEvent* event) {
    if (m_busyCursor && event->type() == QEvent::MouseMove) {
        m_busyCursor = false;
        qApp->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
    }
    if (watched == control(IDC_WEBSITE) && event->type() == QEvent::MouseButtonRelease) {
        runCommand(IDC_WEBSITE);
        return true;
    }
    return DialogBase::eventFilter(watched, event);
}
