#include "core/hex_bytes.h"

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

int HexToBytes(const QByteArray& text, Bytes& output) {
    output.clear();
    const qsizetype size = text.size();
    qsizetype pos = 0;
    while (pos < size) {
        const char c = text[pos];
        if (IsSeparator(c)) {
            ++pos;
            continue;
        }
        const int high = DigitValue(c);
        if (high < 0) {
            output.clear();
            return 0;
        }
        if (pos + 1 >= size || IsSeparator(text[pos + 1])) {
            output.push_back(static_cast<std::uint8_t>(high));  // a lone digit
        } else {
            const int low = DigitValue(text[pos + 1]);
            if (low < 0) {
                output.clear();
                return 0;
            }
            output.push_back(static_cast<std::uint8_t>(high * 16 + low));
        }
        pos += 2;
    }
    return static_cast<int>(output.size());
}
