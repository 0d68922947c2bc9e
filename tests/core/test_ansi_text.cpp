#include <gtest/gtest.h>

#include "core/ansi_text.h"
#include "core/message.h"
#include "core/program_state.h"

namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

TEST(AnsiText, ConvertsToGbkAndBack) {
    struct Case {
        const char* utf8;
        QByteArray gbk;
    };
    const Case cases[] = {
        {"ABC", "ABC"},
        {"\xE4\xB8\xAD\xE6\x96\x87", Hex("d6d0cec4")},      // 中文
        {"\xE7\xB9\x81\xE9\xAB\x94", Hex("b7b1f377")},      // 繁體: GBK holds traditional forms
        {"a\xF0\x9F\x98\x80" "b", "a?b"},                   // an emoji is one '?', not two
        {"\xE2\x82\xA9", "?"},                              // ₩ has no GBK code
        {"", ""},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.utf8);
        EXPECT_EQ(ToAnsi(text).toHex(), c.gbk.toHex()) << c.utf8;
        if (!c.gbk.contains('?')) {
            EXPECT_EQ(FromAnsi(c.gbk), text);
        }
    }
}

TEST(AnsiText, BrokenGbkDoesNotStopTheRest) {
    // 0x81 followed by a byte that cannot end a GBK pair.
    EXPECT_EQ(FromAnsi(Hex("41817f42")), QString::fromUtf8("A\xEF\xBF\xBD\x7f" "B"));
}

TEST(AnsiText, FileTextIsUtf8ElseGbk) {
    EXPECT_EQ(DecodeFileText(QByteArray("\xEF\xBB\xBF\xE4\xB8\xAD")), QString::fromUtf8("\xE4\xB8\xAD"));
    EXPECT_EQ(DecodeFileText(Hex("d6d0cec4")), QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87"));
    EXPECT_FALSE(IsValidUtf8(Hex("c0af")));        // overlong '/'
    EXPECT_FALSE(IsValidUtf8(Hex("eda080")));      // surrogate
    EXPECT_FALSE(IsValidUtf8(Hex("e4b8")));        // cut short
    EXPECT_TRUE(IsValidUtf8(Hex("f09f9880")));
}

TEST(Message, FollowsTheLanguageFlagWhenProduced) {
    const Message hello{"\xE4\xBD\xA0\xE5\xA5\xBD", "Hello"};
    g_bChinese = 0;
    EXPECT_EQ(Text(hello), QStringLiteral("Hello"));
    g_bChinese = 1;
    EXPECT_EQ(Text(hello), QString::fromUtf8("\xE4\xBD\xA0\xE5\xA5\xBD"));
}

}  // namespace
