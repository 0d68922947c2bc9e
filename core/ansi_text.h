#pragma once

// The program's one place for 8-bit text: what the printer receives and what old files hold.
// The 8-bit encoding is GBK, the code page of a Chinese system; a character GBK cannot hold
// becomes '?'.

#include <QByteArray>
#include <QString>

#include "core/bytes.h"

// Text to 8-bit (GBK) bytes; characters GBK cannot hold become '?'.
QByteArray ToAnsi(const QString& text);
Bytes ToAnsiBytes(const QString& text);

// 8-bit (GBK) bytes to text; a byte sequence GBK does not define becomes U+FFFD.
QString FromAnsi(const QByteArray& bytes);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(const QByteArray& bytes);

// Text from a file's bytes: UTF-8 when they are valid UTF-8, else GBK (files written on a
// Chinese Windows system). A UTF-8 byte-order mark is dropped.
QString DecodeFileText(const QByteArray& bytes);
