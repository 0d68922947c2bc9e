#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "link/port_names.h"

namespace {

TEST(PortNames, DevicePaths) {
    struct Case {
        const char* name;
        const char* serial;
        const char* parallel;
    };
    const Case cases[] = {
        {"COM1", "/dev/ttyS0", ""},
        {"com2", "/dev/ttyS1", ""},
        {"COM9", "/dev/ttyS8", ""},
        {"COM10", "/dev/ttyS9", ""},  // no namespace prefix: the same rule as COM9
        {"COM12", "/dev/ttyS11", ""},
        {"COM255", "/dev/ttyS254", ""},
        {"LPT1", "", "/dev/lp0"},
        {"lpt3", "", "/dev/lp2"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"/dev/usb/lp0", "/dev/usb/lp0", "/dev/usb/lp0"},
        {"COM0", "", ""},
        {"COM01", "", ""},
        {"COM", "", ""},
        {"COM1 ", "", ""},
        {"COMX", "", ""},
        {"LPT0", "", ""},
        {"ttyUSB0", "", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(SerialDevicePath(name), QString::fromLatin1(c.serial)) << c.name;
        EXPECT_EQ(ParallelDevicePath(name), QString::fromLatin1(c.parallel)) << c.name;
    }
}

TEST(PortNames, ListItems) {
    EXPECT_EQ(ParallelPortListItems(), QStringList({"LPT1", "LPT2", "LPT3"}));
    const QStringList serial = SerialPortListItems();
    ASSERT_GE(serial.size(), 255);
    EXPECT_EQ(serial.first(), QStringLiteral("COM1"));
    EXPECT_EQ(serial.at(254), QStringLiteral("COM255"));
    EXPECT_EQ(serial.mid(255), PresentSerialDevices());
}

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
}

void WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(text);
}

TEST(PortNames, PresentDevicesInNumberOrder) {
    QTemporaryDir dev;
    const QString d = dev.path();
    for (const char* name :
         {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyUSBx", "ttyS0", "lp1", "lp0", "lpx", "tty1"}) {
        Touch(d + QLatin1Char('/') + QLatin1String(name));
    }
    QDir(d).mkdir(QStringLiteral("usb"));
    Touch(d + QStringLiteral("/usb/lp0"));

    EXPECT_EQ(PresentSerialDevices(d),
              QStringList({d + "/ttyUSB2", d + "/ttyUSB10", d + "/ttyACM0"}));
    EXPECT_EQ(PresentParallelDevices(d), QStringList({d + "/lp0", d + "/lp1", d + "/usb/lp0"}));
    EXPECT_TRUE(PresentSerialDevices(d + "/none").isEmpty());
}

TEST(PortNames, BuiltInSerialPortsNeedAUart) {
    QTemporaryDir sys;
    const QString d = sys.path();
    WriteText(d + "/ttyS0/type", "4\n");
    WriteText(d + "/ttyS1/type", "0\n");  // a node without a UART behind it
    WriteText(d + "/ttyS10/type", "4\n");
    WriteText(d + "/ttyS2/line", "2\n");  // no type at all
    WriteText(d + "/tty1/type", "4\n");
    EXPECT_EQ(PresentComPorts(d), QStringList({"COM1", "COM11"}));
}

}  // namespace
