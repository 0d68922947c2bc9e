// How the settings file is stored: its encodings, and what happens when it cannot be written.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <thread>

#include "tests/core/ini_file_fixture.h"

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// UTF-16 with its byte-order mark, by Qt's encoder rather than the one under test.
QByteArray Utf16(const QString& text, bool littleEndian) {
    QStringEncoder encoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                           QStringConverter::Flag::WriteBom);
    return encoder(text);
}

const char* const kPrinter = "\xE6\x89\x93\xE5\x8D\xB0\xE6\x9C\xBA";  // 打印机
const char* const kChinese = "\xE4\xB8\xAD\xE6\x96\x87";              // 中文

class IniStorageTest : public IniFileFixture {
protected:
    QStringList folderEntries() const {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

TEST_F(IniStorageTest, Utf16FileIsReadAndStaysUtf16WithItsMark) {
    for (const bool little : {true, false}) {
        SCOPED_TRACE(little ? "UTF-16 LE" : "UTF-16 BE");
        const QString before = U("[SET]\r\nBtName=") + U(kPrinter) + U("\r\n;\xE5\xA4\x87\r\n");
        put(Utf16(before, little));
        IniFile ini = file();
        EXPECT_EQ(ini.readString(QStringLiteral("set"), QStringLiteral("btname"), QString(), 128),
                  U(kPrinter));

        EXPECT_TRUE(ini.writeString(QStringLiteral("SET"), QStringLiteral("BtPinKey"),
                                    U(kChinese) + QStringLiteral("1")));
        EXPECT_EQ(bytes(), Utf16(before + U("BtPinKey=") + U(kChinese) + U("1\r\n"), little));
        EXPECT_EQ(ini.readString(QStringLiteral("SET"), QStringLiteral("BtPinKey"), QString(), 128),
                  U(kChinese) + QStringLiteral("1"));
    }
}

TEST_F(IniStorageTest, Utf16FileWithAnOddByteKeepsIt) {
    put(Utf16(QStringLiteral("[A]\nk=1\n"), true) + "\x7F");
    IniFile ini = file();
    EXPECT_TRUE(ini.writeInt(QStringLiteral("A"), QStringLiteral("n"), 2));
    EXPECT_EQ(bytes(), Utf16(QStringLiteral("[A]\nk=1\nn=2\n"), true) + "\x7F");
    EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("n"), 0), 2);
}

TEST_F(IniStorageTest, GbkFileIsReadAndWrittenBackAsGbk) {
    // 打印机 and 中文 in GBK; the comment holds a pair GBK does not define, which must survive.
    const QByteArray gbkPrinter = QByteArray::fromHex("b4f2d3a1bbfa");
    const QByteArray gbkChinese = QByteArray::fromHex("d6d0cec4");
    const QByteArray comment = "; \x81\x7f broken\r\n";
    put("[SET]\r\nBtName=" + gbkPrinter + "\r\n" + comment);
    IniFile ini = file();
    EXPECT_EQ(ini.readString(QStringLiteral("SET"), QStringLiteral("BtName"), QString(), 128),
              U(kPrinter));

    EXPECT_TRUE(ini.writeString(QStringLiteral("SET"), QStringLiteral("BtPinKey"), U(kChinese)));
    EXPECT_TRUE(ini.writeString(QStringLiteral("SET"), QStringLiteral("BtName"), U(kChinese)));
    EXPECT_EQ(bytes(), "[SET]\r\nBtName=" + gbkChinese + "\r\n" + comment +
                           "BtPinKey=" + gbkChinese + "\r\n");
    EXPECT_EQ(ini.readString(QStringLiteral("SET"), QStringLiteral("BtPinKey"), QString(), 128),
              U(kChinese));
}

TEST_F(IniStorageTest, Utf8FileKeepsItsMark) {
    put("\xEF\xBB\xBF[NET]\nSSID=" + QByteArray(kChinese) + "\n");
    IniFile ini = file();
    EXPECT_EQ(ini.readString(QStringLiteral("NET"), QStringLiteral("SSID"), QString(), 128),
              U(kChinese));
    EXPECT_TRUE(ini.writeString(QStringLiteral("NET"), QStringLiteral("KEY"), U(kPrinter)));
    EXPECT_EQ(bytes(), "\xEF\xBB\xBF[NET]\nSSID=" + QByteArray(kChinese) +
                           "\nKEY=" + QByteArray(kPrinter) + "\n");
}

// A file-size limit makes the write of the new file fail half-way, for root as well.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(IniStorageTest, FailedWriteLeavesTheOldFileWholeAndNoLeftovers) {
    QByteArray old = "[SET]\nBtName=old\n";
    for (int i = 0; i < 40; ++i) {
        old += "Unknown" + QByteArray::number(i) + "=kept\n";
    }
    put(old);
    IniFile ini = file();
    {
        FileSizeLimit limit(64);
        EXPECT_FALSE(ini.writeString(QStringLiteral("SET"), QStringLiteral("BtName"),
                                     QStringLiteral("new")));
    }
    EXPECT_EQ(bytes(), old);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("Printer.ini")});

    // Once the disk takes it again, the same write goes through.
    EXPECT_TRUE(
        ini.writeString(QStringLiteral("SET"), QStringLiteral("BtName"), QStringLiteral("new")));
    EXPECT_EQ(ini.readString(QStringLiteral("SET"), QStringLiteral("BtName"), QString(), 128),
              QStringLiteral("new"));
}

TEST_F(IniStorageTest, UnwritablePlacesAreLeftAloneSilently) {
    // A folder where the file should be: reads give defaults, writes change nothing.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Printer.ini")));
    IniFile ini = file();
    EXPECT_FALSE(ini.writeInt(QStringLiteral("A"), QStringLiteral("k"), 1));
    EXPECT_TRUE(QFileInfo(path()).isDir());
    EXPECT_EQ(ini.readInt(QStringLiteral("A"), QStringLiteral("k"), 9), 9);

    // A folder that is gone is not created again.
    IniFile lost(m_dir.filePath(QStringLiteral("gone/Printer.ini")));
    EXPECT_FALSE(lost.writeInt(QStringLiteral("A"), QStringLiteral("k"), 1));
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("gone"))));
}

TEST_F(IniStorageTest, ReplacedFileKeepsItsPermissions) {
    put("[A]\nk=1\n");
    ASSERT_EQ(chmod(QFile::encodeName(path()).constData(), 0640), 0);
    IniFile ini = file();
    EXPECT_TRUE(ini.writeInt(QStringLiteral("A"), QStringLiteral("k"), 2));
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(path()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(IniStorageTest, ThreadsWritingDifferentKeysLoseNothing) {
    constexpr int kRounds = 40;
    std::atomic<bool> allWritten{true};
    auto writer = [&](const QString& key) {
        IniFile ini = file();
        for (int i = 1; i <= kRounds; ++i) {
            if (!ini.writeInt(QStringLiteral("SET"), key, i)) {
                allWritten = false;
            }
        }
    };
    std::thread a(writer, QStringLiteral("BLMMAX"));
    std::thread b(writer, QStringLiteral("BLMWITCH"));
    a.join();
    b.join();
    EXPECT_TRUE(allWritten);
    EXPECT_EQ(file().readInt(QStringLiteral("SET"), QStringLiteral("BLMMAX"), 0), kRounds);
    EXPECT_EQ(file().readInt(QStringLiteral("SET"), QStringLiteral("BLMWITCH"), 0), kRounds);
}

}  // namespace
