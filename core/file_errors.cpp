#include "core/file_errors.h"

#include <QFile>
#include <QFileInfo>

QString FileNotFoundText(const QString& path) {
    return QString::fromUtf8("没有找到 %1。").arg(path);
}

QString FileAccessDeniedText(const QString& path) {
    return QString::fromUtf8("拒绝访问 %1。").arg(path);
}

std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error) {
    QFile file(path);
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        if (error) {
            *error = FileNotFoundText(path);
        }
        return std::nullopt;
    }
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = FileAccessDeniedText(path);
        }
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error) {
            *error = QString::fromUtf8("读取 %1 时发生错误。").arg(path);
        }
        return std::nullopt;
    }
    return bytes;
}
