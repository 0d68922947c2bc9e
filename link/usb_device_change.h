#pragma once

// What happens when a USB device is plugged in or unplugged: a known printer is opened on
// arrival and the open printer closed on removal, whatever port type is selected.

#include <QString>

class UsbHotplug;

enum class UsbDeviceEvent { Arrival, RemovalComplete, Other };

// Runs on the interface thread. Arrival of a path with a known vendor ID: any open USB printer
// is closed, the first known printer opened into g_hUsb and the result shown in the status
// line. Removal of such a path: the open USB printer (whichever it is) is closed and the
// removal shown. Anything else: nothing.
void OnUsbDeviceChange(UsbDeviceEvent event, const QString& path);

// Routes the hot-plug notifications to OnUsbDeviceChange.
void ConnectUsbDeviceChange(UsbHotplug& hotplug);
