#pragma once

// Bytes as the documents write them: upper-case hexadecimal pairs separated by spaces
// ("1D 56 42 00"), so a test compares a whole byte string at once.

#include <QByteArray>
#include <QString>

#include "core/bytes.h"

inline QString HexText(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

inline QString HexText(const Bytes& bytes) {
    return HexText(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                              static_cast<qsizetype>(bytes.size())));
}
