#include <QSignalSpy>
#include <QTest>

#include "core/program_state.h"
#include "link/link_handles.h"
#include "link/usb_device_change.h"
#include "link/usb_hotplug.h"
#include "link/usb_messages.h"
#include "tests/support/state_guard.h"
#include "usb_test_support.h"

namespace {

using namespace usb_messages;

QString PathOf(const UsbPeer& peer) {
    const UsbDeviceInfo& info = peer.info();
    return MakeUsbDevicePath(
        info.vendorId, info.productId,
        info.serial.isEmpty() ? QStringLiteral("1-%1").arg(peer.port()) : info.serial);
}

class UsbDeviceChangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_UMOCKDEV();
        g_pMainDlg = &window;
        g_nPortType = PORT_NET;  // the handler does not care which port is selected
    }
    void TearDown() override {
        LinkLock lock(LinkMutex());
        UsbClose(g_hUsb);
        g_hUsb = nullptr;
    }
    void setLanguage(bool chinese) { g_bChinese = chinese ? 1 : 0; }

    StateGuard state;
    StatusRecorder window;
    UsbTestbed bus;
};

TEST_F(UsbDeviceChangeTest, ArrivalOpensTheKnownPrinterAndSaysSo) {
    UsbPeer& printer = bus.plug(PrinterInfo(0x0483));
    int opens = 0;
    for (bool chinese : {true, false}) {
        setLanguage(chinese);
        OnUsbDeviceChange(UsbDeviceEvent::Arrival, PathOf(printer));
        ASSERT_NE(g_hUsb, nullptr);
        EXPECT_EQ(printer.opens(), ++opens);
        EXPECT_EQ(g_strStatus.get(), Text(kArrivalOpened, chinese));
        EXPECT_EQ(window.shown().last(), Text(kArrivalOpened, chinese));
        EXPECT_EQ(g_nPortType.load(), PORT_NET);
    }
}

TEST_F(UsbDeviceChangeTest, ArrivalThatCannotOpenSaysSo) {
    UsbPeer& printer = bus.plug(PrinterInfo(0x0483));
    printer.setClaimBusy(true);
    for (bool chinese : {true, false}) {
        setLanguage(chinese);
        OnUsbDeviceChange(UsbDeviceEvent::Arrival, PathOf(printer));
        EXPECT_EQ(g_hUsb, nullptr);
        EXPECT_EQ(g_strStatus.get(), Text(kArrivalOpenFailed, chinese));
        EXPECT_EQ(window.shown().last(), Text(kArrivalOpenFailed, chinese));
    }
}

TEST_F(UsbDeviceChangeTest, RemovalClosesTheOpenPrinter) {
    UsbPeer& printer = bus.plug(PrinterInfo(0x067b, 0x2303));
    for (bool chinese : {true, false}) {
        setLanguage(chinese);
        OnUsbDeviceChange(UsbDeviceEvent::Arrival, PathOf(printer));
        ASSERT_NE(g_hUsb, nullptr);
        OnUsbDeviceChange(UsbDeviceEvent::RemovalComplete, PathOf(printer));
        EXPECT_EQ(g_hUsb, nullptr);
        EXPECT_EQ(printer.releasedInterface(), 0);
        EXPECT_EQ(g_strStatus.get(), Text(kRemoved, chinese));
        EXPECT_EQ(window.shown().last(), Text(kRemoved, chinese));
    }
    EXPECT_EQ(printer.driverReattachments(), 2);
}

TEST_F(UsbDeviceChangeTest, RemovalOfAnotherKnownPrinterAlsoClosesTheOpenOne) {
    UsbPeer& printer = bus.plug(PrinterInfo(0x0483));
    UsbPeer& spare = bus.plug(PrinterInfo(0x1fc9, 0x2016, QStringLiteral("SPARE")));
    g_hUsb = UsbOpen();
    ASSERT_NE(g_hUsb, nullptr);
    UsbPeer& opened = printer.opens() ? printer : spare;
    UsbPeer& other = printer.opens() ? spare : printer;

    bus.unplug(other);
    OnUsbDeviceChange(UsbDeviceEvent::RemovalComplete, PathOf(other));
    EXPECT_EQ(g_hUsb, nullptr);
    EXPECT_EQ(opened.driverReattachments(), 1);
    EXPECT_EQ(g_strStatus.get(), Text(kRemoved));
}

TEST_F(UsbDeviceChangeTest, ArrivalWithAPrinterOpenClosesItBeforeOpeningAgain) {
    UsbPeer& printer = bus.plug(PrinterInfo(0x0483));
    g_hUsb = UsbOpen();
    ASSERT_NE(g_hUsb, nullptr);
    UsbPeer& second = bus.plug(PrinterInfo(0x0416));

    OnUsbDeviceChange(UsbDeviceEvent::Arrival, PathOf(second));
    ASSERT_NE(g_hUsb, nullptr);
    // The handle held before was closed, not left behind holding the device.
    EXPECT_EQ(printer.releasedInterface(), 0);
    EXPECT_EQ(printer.driverReattachments(), 1);
    EXPECT_EQ(printer.opens() + second.opens(), 2);
    EXPECT_EQ(g_strStatus.get(), Text(kArrivalOpened));
}

TEST_F(UsbDeviceChangeTest, OtherEventsAndOtherVendorsChangeNothing) {
    UsbPeer& printer = bus.plug(PrinterInfo(0x0483));
    UsbPeer& mouse = bus.plug(OtherDeviceInfo(0x046d));
    UsbPrinterHandle* open = UsbOpen();
    ASSERT_NE(open, nullptr);
    g_hUsb = open;
    SetStatus(QStringLiteral("before"));

    OnUsbDeviceChange(UsbDeviceEvent::Other, PathOf(printer));
    OnUsbDeviceChange(UsbDeviceEvent::Arrival, PathOf(mouse));
    OnUsbDeviceChange(UsbDeviceEvent::RemovalComplete, PathOf(mouse));
    OnUsbDeviceChange(UsbDeviceEvent::RemovalComplete, QString());

    EXPECT_EQ(g_hUsb, open);
    EXPECT_EQ(printer.opens(), 1);
    EXPECT_EQ(printer.releasedInterface(), -1);
    EXPECT_EQ(mouse.opens(), 0);
    EXPECT_EQ(g_strStatus.get(), QStringLiteral("before"));
    EXPECT_TRUE(window.shown().isEmpty());
}

// ---- hot-plug through libusb ----------------------------------------------------------------

constexpr int kEventWaitMs = 10000;

TEST_F(UsbDeviceChangeTest, PlugAndUnplugReachTheHandlerOnThisThread) {
    UsbHotplug hotplug;
    ASSERT_TRUE(hotplug.start());
    EXPECT_TRUE(hotplug.isRunning());
    ConnectUsbDeviceChange(hotplug);
    QSignalSpy arrived(&hotplug, &UsbHotplug::deviceArrived);
    QSignalSpy removed(&hotplug, &UsbHotplug::deviceRemoved);
    QThread* const interfaceThread = QThread::currentThread();
    QThread* arrivedOn = nullptr;
    QObject::connect(
        &hotplug, &UsbHotplug::deviceArrived, &hotplug,
        [&] { arrivedOn = QThread::currentThread(); }, Qt::DirectConnection);

    UsbPeer& printer = bus.plug(PrinterInfo(0x0483, 0x5743, QStringLiteral("P-0001")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return arrived.count() == 1; }, kEventWaitMs));
    EXPECT_EQ(arrived.at(0).at(0).toString(), PathOf(printer));
    EXPECT_EQ(arrivedOn, interfaceThread);
    ASSERT_NE(g_hUsb, nullptr);
    UsbPrinterHandle* const open = g_hUsb;
    EXPECT_EQ(g_strStatus.get(), Text(kArrivalOpened));

    // Another vendor is announced too, and the handler lets it be.
    SetStatus(QStringLiteral("before"));
    UsbPeer& mouse = bus.plug(OtherDeviceInfo(0x046d));
    ASSERT_TRUE(QTest::qWaitFor([&] { return arrived.count() == 2; }, kEventWaitMs));
    EXPECT_EQ(arrived.at(1).at(0).toString(), PathOf(mouse));
    EXPECT_EQ(g_hUsb, open);
    EXPECT_EQ(g_strStatus.get(), QStringLiteral("before"));

    // The removal carries the path the arrival had, serial number included.
    bus.unplug(printer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return removed.count() == 1; }, kEventWaitMs));
    EXPECT_EQ(removed.at(0).at(0).toString(), PathOf(printer));
    EXPECT_EQ(g_hUsb, nullptr);
    EXPECT_EQ(g_strStatus.get(), Text(kRemoved));
    EXPECT_EQ(window.shown(), QStringList({Text(kArrivalOpened), Text(kRemoved)}));

    hotplug.stop();
    EXPECT_FALSE(hotplug.isRunning());
}

TEST_F(UsbDeviceChangeTest, ADevicePresentBeforeTheStartIsReportedByItsBusPortOnRemoval) {
    UsbPeer& printer = bus.plug(PrinterInfo(0x1cbe, 0x0002, QStringLiteral("SN9")));
    UsbHotplug hotplug;
    ASSERT_TRUE(hotplug.start());
    QSignalSpy removed(&hotplug, &UsbHotplug::deviceRemoved);
    bus.unplug(printer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return removed.count() == 1; }, kEventWaitMs));
    EXPECT_EQ(removed.at(0).at(0).toString(),
              MakeUsbDevicePath(0x1cbe, 0x0002, QStringLiteral("1-%1").arg(printer.port())));
}

TEST_F(UsbDeviceChangeTest, StopsAndStartsAgain) {
    UsbHotplug hotplug;
    ASSERT_TRUE(hotplug.start());
    EXPECT_TRUE(hotplug.start());  // already running
    hotplug.stop();
    hotplug.stop();
    ASSERT_TRUE(hotplug.start());
    QSignalSpy arrived(&hotplug, &UsbHotplug::deviceArrived);
    bus.plug(PrinterInfo(0x0471));
    EXPECT_TRUE(QTest::qWaitFor([&] { return arrived.count() == 1; }, kEventWaitMs));
}

}  // namespace
