#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <climits>

#include "tests/core/ini_file_fixture.h"

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

using IniFileTest = IniFileFixture;

TEST_F(IniFileTest, ReadsTextByTheFileRules) {
    struct Case {
        const char* file;
        const char* section;
        const char* key;
        int capacity;
        const char* expected;  // default is "DEF"
    };
    const Case cases[] = {
        {"[NET]\nSSID=abc\n", "NET", "SSID", 128, "abc"},
        {"[net]\nssid=abc\n", "NET", "SSID", 128, "abc"},  // names ignore case
        {"[Port Name]\nCom Name=COM3\n", "PORT NAME", "com name", 128, "COM3"},
        {"  [ NET ]  \n\t SSID \t=  a b  \t\n", "NET", "SSID", 128, "a b"},  // blanks trimmed
        {"[NET]\nKEY=a=b\n", "NET", "KEY", 128, "a=b"},                 // rest after the first '='
        {"[NET]\nKEY=\n", "NET", "KEY", 128, ""},                       // empty is a value
        {"[NET]\nSSID=x\n", "NET", "KEY", 128, "DEF"},                  // key missing
        {"[SET]\nSSID=x\n", "NET", "SSID", 128, "DEF"},                 // section missing
        {"SSID=x\n[NET]\n", "NET", "SSID", 128, "DEF"},                 // entry outside any section
        {"[NET]\n;SSID=x\nSSID\n", "NET", "SSID", 128, "DEF"},          // comment, line without '='
        {"[NET]\nSSID=one\nssid=two\n", "NET", "SSID", 128, "one"},     // first key wins
        {"[NET]\nSSID=one\n[NET]\nKEY=k\n", "NET", "KEY", 128, "DEF"},  // first section only
        {"[NET]\r\nSSID=a\r\nKEY=b\rKEYT=3", "NET", "KEY", 128, "b"},   // CRLF, lone CR, no end
        {"[NET]\r\nSSID=a\r\nKEY=b\rKEYT=3", "NET", "KEYT", 128, "3"},
        {"[NET] ; note\nSSID=s\n", "NET", "SSID", 128, "s"},  // text after ']' ignored
        {"[NET]\nSSID=abcdef\n", "NET", "SSID", 4, "abc"},    // capacity - 1 characters
        {"[NET]\nSSID=abcdef\n", "NET", "SSID", 1, ""},
        {"[NET]\nSSID=abcdef\n", "NET", "SSID", 0, ""},
        {"", "NET", "SSID", 3, "DE"},                                  // the default is cut too
        {"[NET]\nSSID=ab\xF0\x9F\x98\x80\n", "NET", "SSID", 4, "ab"},  // no half of a pair
        {"[NET]\nSSID=ab\xF0\x9F\x98\x80\n", "NET", "SSID", 5, "ab\xF0\x9F\x98\x80"},
        {"[\xE7\xBD\x91]\n\xE5\x90\x8D=\xE5\x80\xBC\n", "\xE7\xBD\x91", "\xE5\x90\x8D", 128,
         "\xE5\x80\xBC"},
    };
    for (const Case& c : cases) {
        put(c.file);
        EXPECT_EQ(file().readString(U(c.section), U(c.key), QStringLiteral("DEF"), c.capacity),
                  U(c.expected))
            << c.file << " / " << c.key << " / " << c.capacity;
    }
}

TEST_F(IniFileTest, ReadsIntegersFromLeadingDigits) {
    struct Case {
        const char* value;
        int expected;
    };
    const Case cases[] = {
        {"42", 42},
        {"  42  ", 42},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"-1", -1},  // what the file itself holds when no port radio was checked
        {"+7", 7},
        {"-", 0},
        {"-x", 0},
        {"- 5", 0},
        {"0x10", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"99999999999999999999", INT_MAX},  // stops at the limit instead of wrapping
        {"-99999999999999999999", INT_MIN},
        {"\xD9\xA3", 0},  // a digit of another script is not a decimal digit
    };
    for (const Case& c : cases) {
        put(QByteArray("[Printer Set]\nPort Select=") + c.value + "\n");
        EXPECT_EQ(file().readInt(QStringLiteral("Printer Set"), QStringLiteral("Port Select"), 77),
                  c.expected)
            << c.value;
    }
    put("[Printer Set]\n");
    EXPECT_EQ(file().readInt(QStringLiteral("Printer Set"), QStringLiteral("Port Select"), 77), 77);
}

TEST_F(IniFileTest, MissingOrUnreadableFileGivesDefaultsAndIsNeverCreatedByReading) {
    EXPECT_EQ(
        file().readString(QStringLiteral("NET"), QStringLiteral("SSID"), QStringLiteral("d"), 128),
        QStringLiteral("d"));
    EXPECT_EQ(file().readInt(QStringLiteral("NET"), QStringLiteral("KEYT"), 6), 6);
    EXPECT_FALSE(QFile::exists(path()));

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Printer.ini")));  // a folder in its place
    EXPECT_EQ(file().readInt(QStringLiteral("NET"), QStringLiteral("KEYT"), 6), 6);
}

TEST_F(IniFileTest, WritesChangeOneLineAndKeepEveryOtherByte) {
    const QByteArray original =
        "; settings kept by hand\r\n"
        "\r\n"
        "[Printer Set]\r\n"
        "Port Select = 1   \r\n"
        "Unknown=keep me  \r\n"
        "\r\n"
        "[Other]\r\n"
        "X=\t1\r\n";
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        QByteArray expected;
    };
    const Case cases[] = {
        {"printer set", "PORT SELECT", "3",
         "; settings kept by hand\r\n\r\n[Printer Set]\r\nPort Select = 3\r\n"
         "Unknown=keep me  \r\n\r\n[Other]\r\nX=\t1\r\n"},
        {"Printer Set", "BaudRate Select", "9600",  // added after the section's last entry
         "; settings kept by hand\r\n\r\n[Printer Set]\r\nPort Select = 1   \r\n"
         "Unknown=keep me  \r\nBaudRate Select=9600\r\n\r\n[Other]\r\nX=\t1\r\n"},
        {"NET", "IPADDR", "10.0.0.9",  // a new section at the end, in the file's line ending
         "; settings kept by hand\r\n\r\n[Printer Set]\r\nPort Select = 1   \r\n"
         "Unknown=keep me  \r\n\r\n[Other]\r\nX=\t1\r\n[NET]\r\nIPADDR=10.0.0.9\r\n"},
        {"Other", "X", "",
         "; settings kept by hand\r\n\r\n[Printer Set]\r\nPort Select = 1   \r\n"
         "Unknown=keep me  \r\n\r\n[Other]\r\nX=\t\r\n"},
    };
    for (const Case& c : cases) {
        put(original);
        EXPECT_TRUE(file().writeString(U(c.section), U(c.key), U(c.value)));
        EXPECT_EQ(bytes(), c.expected) << c.section << " / " << c.key;
    }
}

TEST_F(IniFileTest, WritesIntoSmallAndOddFiles) {
    struct Case {
        QByteArray before;
        QByteArray after;  // after writing A / k = 5
    };
    const Case cases[] = {
        {"", "[A]\nk=5\n"},
        {"[A]", "[A]\nk=5\n"},
        {"[A]\nx=1", "[A]\nx=1\nk=5\n"},  // no line break at the end
        {"[A]\n\n\n[B]\n", "[A]\nk=5\n\n\n[B]\n"},
        {"[a]\nK = old ; note\n", "[a]\nK = 5\n"},
        {"x=1\r[A]\rk=1\r", "x=1\r[A]\rk=5\r"},
    };
    for (const Case& c : cases) {
        put(c.before);
        EXPECT_TRUE(file().writeInt(QStringLiteral("A"), QStringLiteral("k"), 5));
        EXPECT_EQ(bytes(), c.after) << c.before.toStdString();
    }
}

TEST_F(IniFileTest, NewFileIsUtf8WithoutMarkAndIntegersAreDecimal) {
    IniFile ini = file();
    EXPECT_TRUE(ini.writeString(QStringLiteral("SET"), QStringLiteral("BtName"),
                                U("\xE6\x89\x93\xE5\x8D\xB0\xE6\x9C\xBA")));
    EXPECT_TRUE(ini.writeInt(QStringLiteral("SET"), QStringLiteral("P80SW"), -1));
    EXPECT_EQ(bytes(),
              QByteArray("[SET]\nBtName=\xE6\x89\x93\xE5\x8D\xB0\xE6\x9C\xBA\nP80SW=-1\n"));
    EXPECT_EQ(ini.readInt(QStringLiteral("SET"), QStringLiteral("P80SW"), 0), -1);
}

TEST_F(IniFileTest, ValueCannotAddLinesAndBadNamesAreRefused) {
    IniFile ini = file();
    EXPECT_TRUE(ini.writeString(QStringLiteral("NET"), QStringLiteral("SSID"),
                                QStringLiteral("a\nb\r[SET]\r\nP80SW=255")));
    EXPECT_EQ(bytes(), QByteArray("[NET]\nSSID=a b [SET]  P80SW=255\n"));
    EXPECT_EQ(ini.readInt(QStringLiteral("SET"), QStringLiteral("P80SW"), 0), 0);

    const QByteArray before = bytes();
    const char* const badNames[][2] = {
        {"", "k"}, {"A]", "k"}, {"A\nB", "k"}, {"A", ""}, {"A", "k=v"}, {"A", "[k]"}, {"A", "k\r"},
    };
    for (const auto& name : badNames) {
        EXPECT_FALSE(ini.writeString(U(name[0]), U(name[1]), QStringLiteral("v"))) << name[1];
    }
    EXPECT_EQ(bytes(), before);
}

TEST_F(IniFileTest, NothingIsCached) {
    IniFile ini = file();
    put("[QR]\nScale=2\n");
    EXPECT_EQ(ini.readInt(QStringLiteral("QR"), QStringLiteral("Scale"), 0), 2);
    put("[QR]\nScale=9\n");  // changed behind the object's back
    EXPECT_EQ(ini.readInt(QStringLiteral("QR"), QStringLiteral("Scale"), 0), 9);
    IniFile other = file();
    other.writeInt(QStringLiteral("QR"), QStringLiteral("Scale"), 4);
    EXPECT_EQ(ini.readInt(QStringLiteral("QR"), QStringLiteral("Scale"), 0), 4);
}

}  // namespace
