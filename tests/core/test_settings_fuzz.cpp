// Random settings files: reading must never fail, keep every byte when nothing changes, and a
// write must always be readable back.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>

#include "core/ini_document.h"
#include "core/ini_file.h"
#include "core/settings_keys.h"
#include "tests/support/file_bytes.h"

namespace {

// Bytes that look a little like a settings file often enough to reach every branch: brackets,
// '=', line breaks, names of real sections, byte-order marks, high bytes.
QByteArray RandomSettingsBytes(std::mt19937& rng) {
    static const char* const kPieces[] = {
        "[",           "]",           "=",  "\r",  "\n",           "\r\n",
        " ",           "\t",          ";",  "NET", "SSID",         "SET",
        "Printer Set", "Port Select", "-",  "12",  "\xE4\xB8\xAD", "\xD6\xD0",
        "\x81",        "\xFF",        "\0",
    };
    static const char* const kMarks[] = {"", "", "", "\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"};
    std::uniform_int_distribution<int> length(0, 300);
    std::uniform_int_distribution<int> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> mark(0, std::size(kMarks) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::bernoulli_distribution structured(0.6);

    QByteArray bytes(kMarks[mark(rng)]);
    const int count = length(rng);
    for (int i = 0; i < count; ++i) {
        if (structured(rng)) {
            const char* p = kPieces[piece(rng)];
            bytes.append(*p == '\0' ? QByteArray(1, '\0') : QByteArray(p));
        } else {
            bytes.append(static_cast<char>(byte(rng)));
        }
    }
    return bytes;
}

TEST(SettingsFuzz, DocumentKeepsAnyBytesAndTakesAnyWrite) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 3000; ++round) {
        const QByteArray bytes = RandomSettingsBytes(rng);
        IniDocument doc = IniDocument::fromBytes(bytes);
        ASSERT_EQ(doc.toBytes().toHex(), bytes.toHex()) << "round " << round;
        (void)doc.value(QStringLiteral("Printer Set"), QStringLiteral("Port Select"));
        ASSERT_TRUE(
            doc.setValue(QStringLiteral("NET"), QStringLiteral("SSID"), QStringLiteral("fuzz-ok")));
        const IniDocument again = IniDocument::fromBytes(doc.toBytes());
        ASSERT_EQ(again.value(QStringLiteral("NET"), QStringLiteral("SSID")).value_or("missing"),
                  QStringLiteral("fuzz-ok"))
            << "round " << round << " " << bytes.toHex().toStdString();
    }
}

TEST(SettingsFuzz, FileReadsAndWritesOfRandomFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Printer.ini"));
    std::mt19937 rng(7);
    for (int round = 0; round < 150; ++round) {
        WriteFileBytes(path, RandomSettingsBytes(rng));
        IniFile ini(path);
        (void)ini.readInt(QString::fromUtf8(kIniPortSelect.section),
                          QString::fromUtf8(kIniPortSelect.key), 3);
        (void)ini.readString(QStringLiteral("NET"), QStringLiteral("SSID"), QString(), 128);
        ASSERT_TRUE(ini.writeInt(QStringLiteral("Printer Set"), QStringLiteral("Port Select"), -1));
        ASSERT_EQ(ini.readInt(QStringLiteral("Printer Set"), QStringLiteral("Port Select"), 3), -1)
            << "round " << round;
    }
}

}  // namespace
