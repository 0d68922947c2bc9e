#include <gtest/gtest.h>

#include "core/dotted_quad.h"

namespace {

TEST(ParseDottedQuad, OnlyFourOctetsInRange) {
    struct Case {
        const char* text;
        bool ok;
        quint32 value;
    };
    const Case cases[] = {
        {"192.168.123.100", true, 0xC0A87B64},
        {"0.0.0.0", true, 0},
        {"255.255.255.255", true, 0xFFFFFFFF},
        {"256.1.1.1", false, 0},
        {"1.2.3", false, 0},
        {"1.2.3.4.5", false, 0},
        {"1..3.4", false, 0},
        {"a.b.c.d", false, 0},
        {"-1.2.3.4", false, 0},
        {"+1.2.3.4", false, 0},
        {" 10.20.30.40 ", true, 0x0A141E28},
        {"1.2.3.\xEF\xBC\x94", false, 0},  // a full-width digit
        {"01.002.3.4", true, 0x01020304},
    };
    for (const Case& c : cases) {
        const std::optional<std::uint32_t> value = ParseDottedQuad(QString::fromUtf8(c.text));
        EXPECT_EQ(value.has_value(), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(*value, c.value) << c.text;
        }
    }
}

TEST(DottedQuad, WritesTheFourOctetsFirstMostSignificant) {
    EXPECT_EQ(DottedQuad(0xC0A87B64), QStringLiteral("192.168.123.100"));
    EXPECT_EQ(DottedQuad(0), QStringLiteral("0.0.0.0"));
    EXPECT_EQ(DottedQuad(0xFFFFFFFF), QStringLiteral("255.255.255.255"));
}

}  // namespace
