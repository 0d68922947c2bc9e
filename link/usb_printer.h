#pragma once

// A USB receipt printer reached as a raw USB device through libusb: the first present device
// with a known vendor ID is opened, one of its interfaces claimed, and bytes go to that
// interface's bulk OUT endpoint.

#include <QStringList>
#include <cstdint>

#include "link/link_handles.h"
#include "link/usb_device_path.h"

// Opens the first present USB printer. Devices are looked at in libusb's enumeration order,
// root hubs left out, at most 20 of them; the first whose device path passes UsbVidMatches is
// the one, and if it cannot be opened no other is tried. Opening detaches the kernel driver,
// claims the printer-class interface (else the vendor-class one) that has a bulk OUT endpoint,
// and gives nullptr when any of that fails.
UsbPrinterHandle* UsbOpen();

// Writes all the bytes to the bulk OUT endpoint, in as many transfers as the device needs.
// Nonzero when every byte is out; 0 for a null handle, a transfer that times out (the whole
// write is allowed 2 s plus 1 ms per byte), a device that is gone or stalls. A failed write
// may have sent some of the bytes. Writing no bytes succeeds on an open handle and puts
// nothing on the bus.
int UsbWrite(UsbPrinterHandle* handle, const std::uint8_t* bytes, int count);

// Discarding pending data, as the serial ports do before a write. Writes here are synchronous
// and nothing waits in a queue, so there is nothing to discard: this does nothing.
void UsbPurge(UsbPrinterHandle* handle);

// Releases the interface (the kernel driver gets the device back), closes the device and frees
// the handle. Nothing for nullptr.
void UsbClose(UsbPrinterHandle* handle);

// The device paths of every present USB device with a known vendor ID, in enumeration order
// (for listing; opening still takes the first of at most 20 devices).
QStringList KnownUsbPrinterPaths();
