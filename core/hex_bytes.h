#pragma once

#include <QByteArray>

#include "core/bytes.h"

// Parses hexadecimal byte text ("1B 40", "1b40", "1 2 3") into bytes. Spaces, CR and LF
// separate; a lone digit before a separator or at the end is one byte. Returns the number of
// bytes written to `output` (which is resized to it), or 0 when the text holds anything but hex
// digits and separators, or no digit at all; on 0, `output` is empty.
int HexToBytes(const QByteArray& text, Bytes& output);
