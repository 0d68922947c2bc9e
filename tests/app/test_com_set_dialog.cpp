// The port options dialog, headless: its first state in both languages, what OK and Cancel
// keep, and the opener closing the serial port.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "core/program_state.h"
#include "link/com_set_dialog.h"
#include "link/link_handles.h"
#include "link/link_manager.h"
#include "link/port_options.h"
#include "tests/support/fake_main_window.h"
#include "tests/support/pty_pair.h"
#include "tests/support/silent_listener.h"
#include "tests/support/state_guard.h"
#include "ui/ip_address_edit.h"
#include "ui/xp_button.h"

namespace {

constexpr quint32 kIniPrinter = 0xC0A87B64;    // 192.168.123.100, loaded at start
constexpr quint32 kFieldPrinter = 0xC0A80164;  // 192.168.1.100, the field now

using Id = CComSetDialog::ControlId;

QString TextOf(QWidget* widget) {
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return group->title();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    return QString();
}

class ComSetDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_addrMonitor.set(MakeSocketAddress(kConfigPort, kIniPrinter));
        g_dwPrinterIp = kFieldPrinter;
    }
    template <class T = QWidget>
    T* at(CComSetDialog& dialog, int id) {
        T* found = dialog.control<T>(id);
        EXPECT_NE(found, nullptr) << id;
        return found;
    }
    void click(CComSetDialog& dialog, int id) {
        QTest::mouseClick(at<QAbstractButton>(dialog, id), Qt::LeftButton);
    }

    StateGuard m_state;
};

TEST_F(ComSetDialogTest, FirstOpeningInBothLanguages) {
    struct Case {
        int chinese;
        const char* png;
        std::vector<std::pair<int, QString>> texts;
    };
    const Case cases[] = {
        {1,
         "com_set_zh.png",
         {{Id::IDC_SERIAL_GROUP, "串口设置:"},
          {Id::IDC_BYTESIZE_LABEL, "数据位:"},
          {Id::IDC_PARITY_LABEL, "奇偶校验:"},
          {Id::IDC_STOPBITS_LABEL, "停止位:"},
          {Id::IDC_LOCK, "Lock"},
          {Id::IDC_NETWORK_GROUP, "网口设置:"},
          {Id::IDC_TIMEOUT_LABEL, "连接超时:"},
          {Id::IDC_TIMEOUT_HINT,
           "当确认打印机已正确连接却连接失败时,可尝试加大超时,程序默认超时1s"},
          {Id::IDC_MONITOR_LABEL, "监控IP:"},
          {Id::IDC_DEFAULT_IP, "默认IP:"},
          {Id::IDOK, "确定"},
          {Id::IDCANCEL, "取消"}}},
        {0,
         "com_set_en.png",
         {{Id::IDC_SERIAL_GROUP, "ComSet:"},
          {Id::IDC_BYTESIZE_LABEL, "ByteSize:"},
          {Id::IDC_PARITY_LABEL, "Parity:"},
          {Id::IDC_STOPBITS_LABEL, "StopBits:"},
          {Id::IDC_LOCK, "Lock"},
          {Id::IDC_NETWORK_GROUP, "NetSet:"},
          {Id::IDC_TIMEOUT_LABEL, "TimeOut:"},
          {Id::IDC_TIMEOUT_HINT,
           "(Sure the printer is properly connected but the connection fails,you can try to "
           "increase the timeout, the default timeout 1s)"},
          {Id::IDC_MONITOR_LABEL, "MonitorIP:"},
          {Id::IDC_DEFAULT_IP, "Default IP:"},
          {Id::IDOK, "OK"},
          {Id::IDCANCEL, "Cancel"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.png);
        g_bChinese = c.chinese;
        CComSetDialog dialog;
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(dialog.windowTitle(), "Com Set");
        for (const auto& [id, text] : c.texts) {
            EXPECT_EQ(TextOf(at(dialog, id)), text) << id;
        }
        EXPECT_EQ(at<QComboBox>(dialog, Id::IDC_BYTESIZE)->currentText(), "8");
        EXPECT_EQ(at<QComboBox>(dialog, Id::IDC_PARITY)->currentText(), "None");
        EXPECT_EQ(at<QComboBox>(dialog, Id::IDC_STOPBITS)->currentText(), "1");
        EXPECT_EQ(at<QComboBox>(dialog, Id::IDC_TIMEOUT)->currentText(), "1s");
        EXPECT_EQ(at<QComboBox>(dialog, Id::IDC_TIMEOUT)->count(), 30);
        EXPECT_TRUE(at<QCheckBox>(dialog, Id::IDC_DEFAULT_IP)->isChecked());
        EXPECT_TRUE(at<QCheckBox>(dialog, Id::IDC_LOCK)->isChecked());
        auto* monitor = at<IpAddressEdit>(dialog, Id::IDC_MONITOR_IP);
        EXPECT_FALSE(monitor->isEnabled());
        EXPECT_EQ(monitor->address(), kIniPrinter);
        for (int id : {Id::IDC_BYTESIZE, Id::IDC_PARITY, Id::IDC_STOPBITS}) {
            EXPECT_FALSE(at(dialog, id)->isEnabled()) << id;
        }
        EXPECT_TRUE(at(dialog, Id::IDC_TIMEOUT)->isEnabled());
        EXPECT_NE(qobject_cast<CXPButton*>(at(dialog, Id::IDOK)), nullptr);
        EXPECT_NE(qobject_cast<CXPButton*>(at(dialog, Id::IDCANCEL)), nullptr);
        // Every label's text fits it (the hint wraps within its height).
        for (const auto& [id, text] : c.texts) {
            auto* label = qobject_cast<QLabel*>(at(dialog, id));
            if (!label) {
                continue;
            }
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << id;
            } else {
                EXPECT_LE(label->sizeHint().width(), label->width()) << id;
            }
        }
        // A picture of it for a look by eye, beside the main window's (build/screenshots).
        const QString folder = QCoreApplication::applicationDirPath() + "/../screenshots";
        ASSERT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(dialog.grab().save(folder + "/" + c.png));
    }
}

TEST_F(ComSetDialogTest, UnlockedChoicesAndTheMonitorAddressAreStoredByOk) {
    g_bChinese = 0;
    CComSetDialog dialog;
    dialog.show();
    click(dialog, Id::IDC_LOCK);
    for (int id : {Id::IDC_BYTESIZE, Id::IDC_PARITY, Id::IDC_STOPBITS}) {
        EXPECT_TRUE(at(dialog, id)->isEnabled()) << id;
    }
    at<QComboBox>(dialog, Id::IDC_BYTESIZE)->setCurrentIndex(3);  // "7"
    at<QComboBox>(dialog, Id::IDC_PARITY)->setCurrentIndex(2);    // "EVEN"
    at<QComboBox>(dialog, Id::IDC_STOPBITS)->setCurrentIndex(2);  // "2"
    at<QComboBox>(dialog, Id::IDC_TIMEOUT)->setCurrentIndex(4);   // "5s"
    click(dialog, Id::IDC_DEFAULT_IP);  // cleared: the address may be typed
    auto* monitor = at<IpAddressEdit>(dialog, Id::IDC_MONITOR_IP);
    EXPECT_TRUE(monitor->isEnabled());
    EXPECT_EQ(g_bMonitorIpDefault, 0);
    monitor->setAddress(0xC0A80132);  // 192.168.1.50
    click(dialog, Id::IDOK);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(g_nByteSize, 7);
    EXPECT_EQ(g_nParity, 2);
    EXPECT_EQ(g_nStopBits, 2);
    EXPECT_EQ(g_nNetTimeout.get().tv_sec, 5);
    EXPECT_EQ(HostAddress(g_addrMonitor.get()), 0xC0A80132u);
    EXPECT_EQ(ntohs(g_addrMonitor.get().sin_port), kConfigPort);
    EXPECT_EQ(HostAddress(g_addrPrinter.get()), 0u);  // the printer link keeps its own
}

TEST_F(ComSetDialogTest, TypedParityAndStopBitsThatNameNoItem) {
    CComSetDialog dialog;
    click(dialog, Id::IDC_LOCK);
    at<QComboBox>(dialog, Id::IDC_PARITY)->setEditText("XYZ");
    at<QComboBox>(dialog, Id::IDC_STOPBITS)->setEditText("3");
    click(dialog, Id::IDOK);
    EXPECT_EQ(g_nParity, 255);  // refused when the port is next configured
    EXPECT_EQ(g_nStopBits, 0);
}

TEST_F(ComSetDialogTest, TickingDefaultIsKeptAlthoughTheDialogIsCancelled) {
    g_bMonitorIpDefault = 0;
    CComSetDialog dialog;
    auto* monitor = at<IpAddressEdit>(dialog, Id::IDC_MONITOR_IP);
    EXPECT_TRUE(monitor->isEnabled());
    at<QComboBox>(dialog, Id::IDC_TIMEOUT)->setCurrentIndex(9);

    click(dialog, Id::IDC_DEFAULT_IP);
    EXPECT_EQ(g_bMonitorIpDefault, 1);
    EXPECT_FALSE(monitor->isEnabled());
    EXPECT_EQ(monitor->address(), kFieldPrinter);  // follows the printer address field
    click(dialog, Id::IDCANCEL);

    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(g_bMonitorIpDefault, 1);
    EXPECT_EQ(HostAddress(g_addrMonitor.get()), kIniPrinter);  // the address is not stored
    EXPECT_EQ(g_nNetTimeout.get().tv_sec, 1);
}

TEST_F(ComSetDialogTest, OpeningClosesTheSerialPortEvenWhenCancelled) {
    PtyPair printer;
    printer.startReading();
    InstalledFakeMainWindow window;
    g_nPortType = PORT_COM;
    g_strComName.set(printer.slavePath());
    const std::uint8_t byte = 0x0A;
    ASSERT_EQ(SendToPrinter(&byte, 1), 1);
    ASSERT_NE(g_hCom, INVALID_HANDLE);

    bool wasClosedWhileOpen = false;
    QTimer::singleShot(0, [&] {
        wasClosedWhileOpen = g_hCom == INVALID_HANDLE;
        auto* dialog = qobject_cast<CComSetDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->control<QAbstractButton>(Id::IDCANCEL), Qt::LeftButton);
    });
    EXPECT_EQ(CComSetDialog::Open(nullptr, kFieldPrinter), QDialog::Rejected);
    EXPECT_TRUE(wasClosedWhileOpen);
    EXPECT_EQ(g_hCom, INVALID_HANDLE);
    EXPECT_EQ(g_dwPrinterIp, kFieldPrinter);
}

// "5s" and OK: the next connection waits up to five seconds for each of its three attempts.
TEST_F(ComSetDialogTest, FiveSecondTimeoutReachesTheNextConnection) {
    SilentListener silent;
    InstalledFakeMainWindow window(silent.hostAddress());
    g_nPortType = PORT_NET;
    g_bChinese = 0;
    {
        CComSetDialog dialog;
        at<QComboBox>(dialog, Id::IDC_TIMEOUT)->setCurrentIndex(4);
        click(dialog, Id::IDOK);
    }
    QElapsedTimer clock;
    clock.start();
    const std::uint8_t byte = 0x0A;
    EXPECT_EQ(SendToPrinter(&byte, 1), 0);
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(elapsed, 3 * 5000);         // three full waits
    EXPECT_LT(elapsed, 3 * 5000 + 5000);  // and not a fourth
    EXPECT_TRUE(g_strStatus.get().startsWith("Network connection failed!"));
}

}  // namespace
