#pragma once

// USB printers are recognised by a device path of one fixed form,
//   \\?\usb#vid_XXXX&pid_YYYY#<serial or bus-port>#{a5dcbf10-6530-11d2-901f-00c04fb951ed}
// built for every device the same way whether it comes from enumeration or from a plug event,
// and by the vendor ID found at a fixed place in it.

#include <QString>
#include <QStringList>
#include <cstdint>

struct libusb_device;

// The known printer vendors, in the order they are tested.
extern const char* const kUsbPrinterVendorIds[6];

// 1 when the match window of the path (its 8-bit form, 17 characters from index 8, letters
// A-Z lower-cased) contains one of the known vendor IDs, else 0.
int UsbVidMatches(const QString& path);

// The device path for the given vendor, product and instance text. '#' and control
// characters in the instance become '_' so the path keeps its four parts.
QString MakeUsbDevicePath(std::uint16_t vendorId, std::uint16_t productId, QString instance);

// The instance text of a device without a serial number: its place on the bus the way sysfs
// names it, "1-2.3" (bus 1, port 2, then port 3 of the hub there); "usb1" for a root hub.
QString UsbBusPortName(libusb_device* device);

// The device's serial number as the kernel reports it in sysfs, empty when it has none. Reads
// a small kernel attribute; never talks to the device.
QString UsbSerialNumber(libusb_device* device);

// The full path of a present device: serial number when it has one, else bus-port. Empty when
// its device descriptor cannot be read.
QString UsbDevicePath(libusb_device* device);

// The same from the descriptor data libusb keeps (vendor, product, bus-port), for a device
// that is already gone. Empty when the descriptor cannot be read.
QString UsbDevicePathWithoutSerial(libusb_device* device);
