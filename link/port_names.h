#pragma once

// Port names as the window and the settings file know them (COM1, LPT1, or a device path) and
// the devices they stand for.

#include <QString>
#include <QStringList>

// COMn is /dev/ttyS{n-1} for every n from 1 up (COM10 and above follow the same rule as COM9); a
// name beginning with '/' is a device path used as it stands. Empty for any other name, which
// then fails to open.
QString SerialDevicePath(const QString& name);

// LPTn is /dev/lp{n-1}; a name beginning with '/' is used as it stands; empty otherwise.
QString ParallelDevicePath(const QString& name);

// The serial-port list: COM1..COM255, then the USB serial adapters present (/dev/ttyUSB*,
// then /dev/ttyACM*, as device paths).
QStringList SerialPortListItems();

// The parallel-port list: LPT1..LPT3.
QStringList ParallelPortListItems();

// USB serial adapters present: devDir/ttyUSB<n>, then devDir/ttyACM<n>, each in number order.
QStringList PresentSerialDevices(const QString& devDir = QStringLiteral("/dev"));

// Built-in serial ports with a UART behind them, as names: COMn for each ttyS<n-1> the kernel
// reports a port type for (ttyClassDir is where the kernel lists its terminals).
QStringList PresentComPorts(const QString& ttyClassDir = QStringLiteral("/sys/class/tty"));

// Printer devices present that the parallel link can write to: devDir/lp<n> (the parallel
// ports), then devDir/usb/lp<n> (USB printers driven by the kernel's printer driver).
QStringList PresentParallelDevices(const QString& devDir = QStringLiteral("/dev"));
