#include "core/file_errors.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

QString FileNotFoundText(const QString& path) {
    return QString::fromUtf8("没有找到 %1。").arg(path);
}

QString FileAccessDeniedText(const QString& path) {
    return QString::fromUtf8("拒绝访问 %1。").arg(path);
}

QString FileErrorText(int error, const QString& path) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileNotFoundText(path);
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return FileAccessDeniedText(path);
        case ENOSPC:
        case EDQUOT:
            return QString::fromUtf8("访问 %1 时磁盘已满。").arg(path);
        case EMFILE:
        case ENFILE:
            return QString::fromUtf8("由于打开的文件太多，无法打开 %1。").arg(path);
        case EIO:
            return QString::fromUtf8("访问 %1 时报告了硬件 I/O 错误。").arg(path);
        default:
            return QString::fromUtf8("访问 %1 时发生意外错误。").arg(path);
    }
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
