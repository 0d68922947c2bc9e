#include <gtest/gtest.h>

#include "core/ansi_text.h"
#include "core/hex_bytes.h"

namespace {

TEST(HexToBytes, DocumentedExamples) {
    struct Case {
        const char* text;  // UTF-8, converted to the printer's 8-bit text first like the caller
        const char* hex;   // expected bytes; "" means a parse error (result 0)
    };
    const Case cases[] = {
        {"1B 40", "1b40"},
        {"1b40", "1b40"},
        {"1B4", "1b04"},
        {"123", "1203"},
        {"1 2 3", "010203"},
        {"A", "0a"},
        {"1G", ""},
        {"1B 4G", ""},
        {"1B\r\n40\n", "1b40"},
        {"1B\t40", ""},                  // a tab does not separate
        {"\xE4\xB8\xAD", ""},            // Chinese characters
        {"", ""},
        {"   \r\n", ""},                 // no digit at all
        {"1B 40 48 65 6C 6C 6F 0A", "1b4048656c6c6f0a"},
    };
    for (const Case& c : cases) {
        Bytes out{0xEE};
        const int n = HexToBytes(ToAnsi(QString::fromUtf8(c.text)), out);
        const QByteArray got(reinterpret_cast<const char*>(out.data()), static_cast<int>(out.size()));
        EXPECT_EQ(n, static_cast<int>(out.size())) << c.text;
        EXPECT_EQ(got.toHex(), QByteArray(c.hex)) << c.text;
    }
}

}  // namespace
