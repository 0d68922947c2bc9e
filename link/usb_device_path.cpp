#include "link/usb_device_path.h"

#include <libusb.h>

#include <QByteArray>
#include <QFile>

#include "core/ansi_text.h"

const char* const kUsbPrinterVendorIds[6] = {"vid_067b", "vid_0416", "vid_0483",
                                             "vid_1fc9", "vid_1cbe", "vid_0471"};

namespace {

constexpr qsizetype kMatchWindowStart = 8;
constexpr qsizetype kMatchWindowLength = 17;
constexpr int kMaxPortDepth = 7;  // USB allows at most 7 tiers

bool DeviceIds(libusb_device* device, std::uint16_t& vendorId, std::uint16_t& productId) {
    libusb_device_descriptor descriptor{};
    if (libusb_get_device_descriptor(device, &descriptor) != LIBUSB_SUCCESS) {
        return false;
    }
    vendorId = descriptor.idVendor;
    productId = descriptor.idProduct;
    return true;
}

}  // namespace

int UsbVidMatches(const QString& path) {
    QByteArray window = ToAnsi(path).mid(kMatchWindowStart, kMatchWindowLength);
    for (char& c : window) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    for (const char* vendorId : kUsbPrinterVendorIds) {
        if (window.contains(vendorId)) {
            return 1;
        }
    }
    return 0;
}

QString MakeUsbDevicePath(std::uint16_t vendorId, std::uint16_t productId, QString instance) {
    for (QChar& c : instance) {
        if (c == u'#' || c.unicode() < 0x20 || c.unicode() == 0x7F) {
            c = u'_';
        }
    }
    return QStringLiteral("\\\\?\\usb#vid_%1&pid_%2#%3#{a5dcbf10-6530-11d2-901f-00c04fb951ed}")
        .arg(vendorId, 4, 16, QLatin1Char('0'))
        .arg(productId, 4, 16, QLatin1Char('0'))
        .arg(instance);
}

QString UsbBusPortName(libusb_device* device) {
    const int bus = libusb_get_bus_number(device);
    std::uint8_t ports[kMaxPortDepth];
    const int depth = libusb_get_port_numbers(device, ports, kMaxPortDepth);
    if (depth <= 0) {
        return QStringLiteral("usb%1").arg(bus);
    }
    QString name = QStringLiteral("%1-%2").arg(bus).arg(ports[0]);
    for (int i = 1; i < depth; ++i) {
        name += QStringLiteral(".%1").arg(ports[i]);
    }
    return name;
}

QString UsbSerialNumber(libusb_device* device) {
    QFile file(QStringLiteral("/sys/bus/usb/devices/%1/serial").arg(UsbBusPortName(device)));
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(file.read(256)).trimmed();
}

QString UsbDevicePath(libusb_device* device) {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    if (!DeviceIds(device, vendorId, productId)) {
        return QString();
    }
    QString instance = UsbSerialNumber(device);
    if (instance.isEmpty()) {
        instance = UsbBusPortName(device);
    }
    return MakeUsbDevicePath(vendorId, productId, instance);
}

QString UsbDevicePathWithoutSerial(libusb_device* device) {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    if (!DeviceIds(device, vendorId, productId)) {
        return QString();
    }
    return MakeUsbDevicePath(vendorId, productId, UsbBusPortName(device));
}
