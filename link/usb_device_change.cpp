#include "link/usb_device_change.h"

#include "core/program_state.h"
#include "link/link_handles.h"
#include "link/usb_hotplug.h"
#include "link/usb_messages.h"
#include "link/usb_printer.h"

void OnUsbDeviceChange(UsbDeviceEvent event, const QString& path) {
    if (event == UsbDeviceEvent::Other || !UsbVidMatches(path)) {
        return;
    }
    {
        LinkLock lock(LinkMutex());
        // A handle still open (a second printer plugged in) is closed before the new open,
        // so it neither leaks nor keeps the device busy.
        UsbClose(g_hUsb);
        g_hUsb = nullptr;
        if (event == UsbDeviceEvent::Arrival) {
            g_hUsb = UsbOpen();
            SetStatus(
                Text(g_hUsb ? usb_messages::kArrivalOpened : usb_messages::kArrivalOpenFailed));
        } else {
            SetStatus(Text(usb_messages::kRemoved));
        }
    }
    ShowStatus();
}

void ConnectUsbDeviceChange(UsbHotplug& hotplug) {
    QObject::connect(&hotplug, &UsbHotplug::deviceArrived, &hotplug,
                     [](const QString& path) { OnUsbDeviceChange(UsbDeviceEvent::Arrival, path); });
    QObject::connect(&hotplug, &UsbHotplug::deviceRemoved, &hotplug, [](const QString& path) {
        OnUsbDeviceChange(UsbDeviceEvent::RemovalComplete, path);
    });
}
