#pragma once

// Small helpers shared by the USB tests.

#include <gtest/gtest.h>

#include <QStringList>
#include <memory>
#include <mutex>

#include "core/main_window_port.h"
#include "link/usb_printer.h"
#include "usb_testbed.h"

// Every USB test needs the umockdev preload library in the process.
#define REQUIRE_UMOCKDEV() \
    ASSERT_TRUE(UsbTestbed::InMockEnvironment()) << "run the USB tests under umockdev-wrapper"

using UsbHandlePtr = std::unique_ptr<UsbPrinterHandle, decltype(&UsbClose)>;
inline UsbHandlePtr OpenUsbPrinter() {
    return UsbHandlePtr(UsbOpen(), &UsbClose);
}

// A printer with one printer-class interface: bulk OUT 0x01, bulk IN 0x82.
inline UsbDeviceInfo PrinterInfo(std::uint16_t vendorId, std::uint16_t productId = 0x5743,
                                 QString serial = QString()) {
    UsbDeviceInfo info;
    info.vendorId = vendorId;
    info.productId = productId;
    info.serial = serial;
    info.interfaces.push_back(UsbInterfaceInfo{7, 0x01, 0x82});
    return info;
}

// A device of another kind that could be opened and written to just as well.
inline UsbDeviceInfo OtherDeviceInfo(std::uint16_t vendorId, std::uint16_t productId = 0xc52b) {
    UsbDeviceInfo info;
    info.vendorId = vendorId;
    info.productId = productId;
    info.interfaces.push_back(UsbInterfaceInfo{0xFF, 0x01, 0x81});
    return info;
}

// Stands in for the main window: records what reaches the status line.
class StatusRecorder : public MainWindowPort {
public:
    void showStatusText(const QString& text) override {
        std::lock_guard lock(m_mutex);
        m_shown << text;
    }
    quint32 printerAddressField() const override { return 0; }
    void showBusyCursor() override {}
    QStringList shown() const {
        std::lock_guard lock(m_mutex);
        return m_shown;
    }

private:
    mutable std::mutex m_mutex;
    QStringList m_shown;
};
