#include <libusb.h>

#include <map>

#include "usb_test_support.h"

namespace {

// The device path of each present device, by port.
std::map<int, QString> PresentPaths() {
    std::map<int, QString> paths;
    UsbTestbed::VisitPresentDevices([&paths](libusb_device* device) {
        paths[libusb_get_port_number(device)] = UsbDevicePath(device);
    });
    return paths;
}

TEST(UsbDevicePath, NamesADeviceBySerialNumberElseByBusAndPort) {
    REQUIRE_UMOCKDEV();
    UsbTestbed bus;
    const UsbPeer& withSerial = bus.plug(PrinterInfo(0x0483, 0x5743, QStringLiteral("20230817#7")));
    const UsbPeer& without = bus.plug(PrinterInfo(0x067b, 0x2303));
    const std::map<int, QString> paths = PresentPaths();
    EXPECT_EQ(
        paths.at(withSerial.port()),
        QStringLiteral(
            R"(\\?\usb#vid_0483&pid_5743#20230817_7#{a5dcbf10-6530-11d2-901f-00c04fb951ed})"));
    EXPECT_EQ(
        paths.at(without.port()),
        QStringLiteral(R"(\\?\usb#vid_067b&pid_2303#1-%1#{a5dcbf10-6530-11d2-901f-00c04fb951ed})")
            .arg(without.port()));
    EXPECT_EQ(
        paths.at(0),
        QStringLiteral(R"(\\?\usb#vid_1d6b&pid_0002#usb1#{a5dcbf10-6530-11d2-901f-00c04fb951ed})"));
}

}  // namespace
