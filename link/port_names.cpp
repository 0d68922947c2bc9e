#include "link/port_names.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr int kComListSize = 255;
constexpr int kLptListSize = 3;

// n of "<prefix>n" (prefix matched without regard to case), n >= 1 without leading zeros;
// 0 when the name is not of that form.
int PortNumber(const QString& name, const QString& prefix) {
    static const QRegularExpression digits(QStringLiteral("^[1-9][0-9]{0,8}$"));
    if (!name.startsWith(prefix, Qt::CaseInsensitive)) {
        return 0;
    }
    const QString rest = name.mid(prefix.size());
    if (!digits.match(rest).hasMatch()) {
        return 0;
    }
    return rest.toInt();
}

QString DevicePath(const QString& name, const QString& prefix, const QString& devicePrefix) {
    if (name.startsWith(QLatin1Char('/'))) {
        return name;
    }
    const int number = PortNumber(name, prefix);
    return number > 0 ? devicePrefix + QString::number(number - 1) : QString();
}

// The entries of dir named <stem><number>, in number order.
QList<std::pair<qulonglong, QString>> NumberedEntries(const QString& dir, const QString& stem) {
    const QRegularExpression pattern(QStringLiteral("^%1([0-9]+)$").arg(stem));
    QList<std::pair<qulonglong, QString>> found;
    const QStringList names =
        QDir(dir).entryList({stem + QLatin1Char('*')}, QDir::AllEntries | QDir::System);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch()) {
            found.append({match.captured(1).toULongLong(), name});
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

// The device files of dir named <stem><number>, in number order, as full paths.
QStringList NumberedDevices(const QString& dir, const QString& stem) {
    QStringList paths;
    for (const auto& entry : NumberedEntries(dir, stem)) {
        paths.append(dir + QLatin1Char('/') + entry.second);
    }
    return paths;
}

}  // namespace

QString SerialDevicePath(const QString& name) {
    return DevicePath(name, QStringLiteral("COM"), QStringLiteral("/dev/ttyS"));
}

QString ParallelDevicePath(const QString& name) {
    return DevicePath(name, QStringLiteral("LPT"), QStringLiteral("/dev/lp"));
}

QStringList SerialPortListItems() {
    QStringList items;
    for (int n = 1; n <= kComListSize; ++n) {
        items.append(QStringLiteral("COM%1").arg(n));
    }
    return items + PresentSerialDevices();
}

QStringList ParallelPortListItems() {
    QStringList items;
    for (int n = 1; n <= kLptListSize; ++n) {
        items.append(QStringLiteral("LPT%1").arg(n));
    }
    return items;
}

QStringList PresentSerialDevices(const QString& devDir) {
    return NumberedDevices(devDir, QStringLiteral("ttyUSB")) +
           NumberedDevices(devDir, QStringLiteral("ttyACM"));
}

QStringList PresentComPorts(const QString& ttyClassDir) {
    // The kernel makes ttyS nodes whether or not a UART answers; "type" is 0 for those without.
    QStringList names;
    for (const auto& [index, entry] : NumberedEntries(ttyClassDir, QStringLiteral("ttyS"))) {
        QFile typeFile(ttyClassDir + QLatin1Char('/') + entry + QStringLiteral("/type"));
        if (typeFile.open(QIODevice::ReadOnly) && typeFile.readAll().trimmed().toInt() != 0) {
            names.append(QStringLiteral("COM%1").arg(index + 1));
        }
    }
    return names;
}

QStringList PresentParallelDevices(const QString& devDir) {
    return NumberedDevices(devDir, QStringLiteral("lp")) +
           NumberedDevices(devDir + QStringLiteral("/usb"), QStringLiteral("lp"));
}
