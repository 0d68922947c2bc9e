#include <QByteArray>
#include <algorithm>
#include <chrono>

#include "usb_test_support.h"

namespace {

QByteArray Pattern(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    }
    return bytes;
}

int Write(UsbPrinterHandle* handle, const QByteArray& bytes) {
    return UsbWrite(handle, reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                    static_cast<int>(bytes.size()));
}

// Of the given peers, the one libusb lists first.
UsbPeer* FirstEnumerated(std::initializer_list<UsbPeer*> peers) {
    for (int port : UsbTestbed::EnumerationOrder()) {
        for (UsbPeer* peer : peers) {
            if (peer->port() == port) {
                return peer;
            }
        }
    }
    return nullptr;
}

class UsbPrinterTest : public ::testing::Test {
protected:
    void SetUp() override { REQUIRE_UMOCKDEV(); }
    UsbTestbed bus;
};

TEST_F(UsbPrinterTest, OpensTheFirstKnownPrinterAmongSeveralDevices) {
    UsbPeer& other = bus.plug(OtherDeviceInfo(0x046d));
    UsbPeer& a = bus.plug(PrinterInfo(0x0483));
    UsbPeer& b = bus.plug(PrinterInfo(0x067b, 0x2303));
    ASSERT_EQ(UsbTestbed::EnumerationOrder().size(), 3u);
    UsbPeer* first = FirstEnumerated({&a, &b});
    UsbPeer* second = first == &a ? &b : &a;

    UsbHandlePtr handle = OpenUsbPrinter();
    ASSERT_TRUE(handle);
    EXPECT_EQ(first->opens(), 1);
    EXPECT_EQ(first->claimedInterface(), 0);
    EXPECT_TRUE(first->driverDetachedOnClaim());
    EXPECT_EQ(second->opens(), 0);
    EXPECT_EQ(other.opens(), 0);

    const QByteArray bytes(
        "\x1B\x40"
        "ABC\n",
        6);
    EXPECT_NE(Write(handle.get(), bytes), 0);
    EXPECT_EQ(first->received(0x01).toHex(), bytes.toHex());
    EXPECT_TRUE(second->received(0x01).isEmpty());
}

TEST_F(UsbPrinterTest, IgnoresDevicesOfOtherVendors) {
    const UsbPeer* peers[] = {
        &bus.plug(OtherDeviceInfo(0x046d)),
        &bus.plug(OtherDeviceInfo(0x1234, 0x0483)),  // a known vendor number as product
        &bus.plug(OtherDeviceInfo(0x04b8, 0x0202)),
    };
    EXPECT_FALSE(OpenUsbPrinter());
    for (const UsbPeer* peer : peers) {
        EXPECT_EQ(peer->opens(), 0) << peer->port();
    }
}

TEST(UsbPrinterSearch, AFailedOpenEndsTheSearch) {
    REQUIRE_UMOCKDEV();
    struct Case {
        const char* what;
        bool claimBusy;
        bool noNode;
        std::vector<UsbInterfaceInfo> interfaces;
    };
    const Case cases[] = {
        {"interface held elsewhere", true, false, {{7, 0x01, 0x82}}},
        {"no bulk OUT endpoint", false, false, {{7, 0, 0x82}, {0x03, 0x02, 0}}},
        {"device node not there (no access)", false, true, {{7, 0x01, 0x82}}},
    };
    for (const Case& c : cases) {
        UsbTestbed bus;
        UsbDeviceInfo broken = PrinterInfo(0x0416);
        broken.interfaces = c.interfaces;
        UsbPeer& a = bus.plug(broken);
        UsbPeer& b = bus.plug(broken);
        UsbPeer* first = FirstEnumerated({&a, &b});
        UsbPeer* second = first == &a ? &b : &a;
        first->setClaimBusy(c.claimBusy);
        if (c.noNode) {
            bus.removeNode(*first);
        }
        // The second one could be opened: it must not be tried.
        bus.setDescriptors(*second, PrinterInfo(0x0416));

        EXPECT_FALSE(OpenUsbPrinter()) << c.what;
        if (!c.noNode) {
            EXPECT_EQ(first->opens(), 1) << c.what;
        }
        EXPECT_EQ(second->opens(), 0) << c.what;
    }
}

TEST(UsbPrinterSearch, LooksAtTwentyDevicesAtMost) {
    REQUIRE_UMOCKDEV();
    UsbTestbed bus;
    std::map<int, UsbPeer*> byPort;
    for (int i = 0; i < 21; ++i) {
        UsbPeer& peer = bus.plug(OtherDeviceInfo(0x046d, static_cast<std::uint16_t>(i)));
        byPort[peer.port()] = &peer;
    }
    const std::vector<int> order = UsbTestbed::EnumerationOrder();
    ASSERT_EQ(order.size(), 21u);
    UsbPeer& twentyFirst = *byPort[order[20]];
    UsbPeer& twentieth = *byPort[order[19]];

    bus.setDescriptors(twentyFirst, PrinterInfo(0x1fc9));
    EXPECT_FALSE(OpenUsbPrinter());
    EXPECT_EQ(twentyFirst.opens(), 0);

    bus.setDescriptors(twentieth, PrinterInfo(0x1fc9));
    EXPECT_TRUE(OpenUsbPrinter());
    EXPECT_EQ(twentieth.opens(), 1);
}

TEST(UsbPrinterInterface, PrinterClassFirstThenVendorClass) {
    REQUIRE_UMOCKDEV();
    struct Case {
        const char* what;
        std::vector<UsbInterfaceInfo> interfaces;
        int interface;
        std::uint8_t endpoint;
    };
    const Case cases[] = {
        {"printer after vendor", {{0xFF, 0x03, 0x84}, {7, 0x01, 0x82}}, 1, 0x01},
        {"vendor only", {{0xFF, 0x02, 0x81}}, 0, 0x02},
        {"other classes skipped", {{0x03, 0x01, 0}, {0xFF, 0x05, 0}}, 1, 0x05},
        {"printer without bulk OUT", {{7, 0, 0x81}, {0xFF, 0x02, 0}}, 1, 0x02},
    };
    const QByteArray bytes = Pattern(10);
    for (const Case& c : cases) {
        UsbTestbed bus;
        UsbDeviceInfo info = PrinterInfo(0x1cbe);
        info.interfaces = c.interfaces;
        UsbPeer& printer = bus.plug(info);

        UsbHandlePtr handle = OpenUsbPrinter();
        ASSERT_TRUE(handle) << c.what;
        EXPECT_EQ(printer.claimedInterface(), c.interface) << c.what;
        EXPECT_NE(Write(handle.get(), bytes), 0) << c.what;
        EXPECT_EQ(printer.received(c.endpoint).toHex(), bytes.toHex()) << c.what;
    }
}

TEST_F(UsbPrinterTest, AWriteArrivesWholeHoweverTheDeviceTakesIt) {
    UsbPeer& printer = bus.plug(PrinterInfo(0x0471));
    UsbHandlePtr handle = OpenUsbPrinter();
    ASSERT_TRUE(handle);
    const QByteArray bytes = Pattern(300);
    QByteArray expected;
    struct Case {
        int acceptAtMost;
        int transfers;
    };
    // All at once; in 64-byte pieces; byte by byte.
    for (const Case c : {Case{0, 1}, Case{64, 5}, Case{1, 300}}) {
        printer.setAcceptAtMost(c.acceptAtMost);
        const int before = printer.submittedTransfers();
        EXPECT_NE(Write(handle.get(), bytes), 0) << c.acceptAtMost;
        EXPECT_EQ(printer.submittedTransfers() - before, c.transfers) << c.acceptAtMost;
        expected += bytes;
        EXPECT_EQ(printer.received(0x01).toHex(), expected.toHex()) << c.acceptAtMost;
    }
}

TEST_F(UsbPrinterTest, AWriteFailsWhenTheDeviceStopsTakingBytes) {
    struct Case {
        const char* what;
        bool stalled;
        int goneAfter;
        int received;
    };
    const Case cases[] = {
        {"stops reading", true, -1, 0},
        {"gone", false, 0, 0},
        {"gone half-way", false, 128, 128},
    };
    const QByteArray bytes = Pattern(300);
    for (const Case& c : cases) {
        UsbPeer& printer = bus.plug(PrinterInfo(0x067b));
        UsbHandlePtr handle = OpenUsbPrinter();
        ASSERT_TRUE(handle) << c.what;
        printer.setAcceptAtMost(64);
        printer.setStalled(c.stalled);
        printer.setGoneAfter(c.goneAfter);

        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Write(handle.get(), bytes), 0) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << c.what;
        EXPECT_EQ(printer.received(0x01).toHex(), bytes.left(c.received).toHex()) << c.what;
        handle.reset();
        bus.unplug(printer);
    }
}

TEST_F(UsbPrinterTest, NoBytesIsASuccessWithoutTraffic) {
    UsbPeer& printer = bus.plug(PrinterInfo(0x0483));
    UsbHandlePtr handle = OpenUsbPrinter();
    ASSERT_TRUE(handle);
    const std::uint8_t byte = 0x0A;
    EXPECT_NE(UsbWrite(handle.get(), nullptr, 0), 0);
    EXPECT_NE(UsbWrite(handle.get(), &byte, 0), 0);
    EXPECT_EQ(printer.submittedTransfers(), 0);
    EXPECT_EQ(UsbWrite(handle.get(), &byte, -1), 0);
    EXPECT_EQ(UsbWrite(handle.get(), nullptr, 1), 0);
    EXPECT_EQ(UsbWrite(nullptr, &byte, 1), 0);
    EXPECT_EQ(UsbWrite(nullptr, &byte, 0), 0);
    UsbPurge(handle.get());  // nothing pending: no effect, no traffic
    UsbPurge(nullptr);
    EXPECT_EQ(printer.submittedTransfers(), 0);
}

TEST_F(UsbPrinterTest, CloseReleasesTheInterfaceAndGivesTheDriverBack) {
    UsbDeviceInfo info = PrinterInfo(0x0416);
    info.interfaces = {{0xFF, 0x03, 0}, {7, 0x01, 0x82}};
    UsbPeer& printer = bus.plug(info);
    UsbPrinterHandle* handle = UsbOpen();
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(printer.driverDetachedOnClaim());
    EXPECT_EQ(printer.releasedInterface(), -1);
    EXPECT_EQ(printer.driverReattachments(), 0);

    UsbClose(handle);
    EXPECT_EQ(printer.releasedInterface(), 1);
    EXPECT_EQ(printer.driverReattachments(), 1);
    UsbClose(nullptr);

    // Closed means free: it opens again.
    EXPECT_TRUE(OpenUsbPrinter());
    EXPECT_EQ(printer.opens(), 2);
}

}  // namespace
