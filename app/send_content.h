#pragma once

// Turns the content box's text into the bytes the printer receives.

#include <QString>

#include "core/bytes.h"

enum class ContentError { None, Empty, BadHex };

// Text mode: the text in the printer's 8-bit encoding followed by one zero byte.
// HEX mode: the bytes the hexadecimal text describes, without a terminating zero.
// On an error `bytes` is empty.
ContentError ContentBytes(const QString& text, bool hex, Bytes& bytes);

// The message a content error shows (empty for None).
QString ContentErrorText(ContentError error);
