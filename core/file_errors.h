#pragma once

// Reading a whole file, with the window framework's file-error texts (Chinese only).

#include <QByteArray>
#include <QString>
#include <optional>

// "没有找到 %1。" / "拒绝访问 %1。" / a general error, with the path in place of %1.
QString FileNotFoundText(const QString& path);
QString FileAccessDeniedText(const QString& path);

// The framework's text for a file operation that failed with the errno value: not found,
// access denied, disk full, too many open files, hardware I/O error, else a general error.
QString FileErrorText(int error, const QString& path);

// The file's bytes, or nothing with the error text for the path in `error`.
std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error);
