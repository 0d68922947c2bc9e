#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <functional>

#include "core/main_window_settings.h"
#include "core/settings.h"
#include "tests/support/file_bytes.h"
#include "tests/support/state_guard.h"

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class SettingsTest : public ::testing::Test {
protected:
    QString iniPath() const { return m_state.dir() + QStringLiteral("/Printer.ini"); }
    void put(const QByteArray& bytes) const { WriteFileBytes(iniPath(), bytes); }
    QByteArray bytes() const { return ReadFileBytes(iniPath()); }

    StateGuard m_state;
};

TEST_F(SettingsTest, FileLivesInTheApplicationFolder) {
    EXPECT_EQ(SettingsFilePath(), iniPath());
    g_strAppDir.set(QString());
    EXPECT_EQ(SettingsFilePath(), QCoreApplication::applicationDirPath() + "/Printer.ini");
}

TEST_F(SettingsTest, NoFileGivesDefaultsAndSavingThemWritesTheFourSections) {
    const MainWindowSettings loaded = LoadMainWindowSettings();
    EXPECT_EQ(loaded.printerIp, 0xC0A87B64u);  // 192.168.123.100
    EXPECT_EQ(loaded.comName, QStringLiteral("COM1"));
    EXPECT_EQ(loaded.lptName, QStringLiteral("LPT1"));
    EXPECT_EQ(loaded.portSelect, 3);
    EXPECT_EQ(loaded.printerSelect, 2);
    EXPECT_EQ(loaded.baudRate, 9600);
    EXPECT_EQ(loaded.language, 1);
    EXPECT_FALSE(QFile::exists(iniPath()));

    SaveMainWindowSettings(loaded);
    EXPECT_EQ(bytes(), QByteArray("[Printer Address]\n"
                                  "IP=192.168.123.100\n"
                                  "[Port Name]\n"
                                  "Com Name=COM1\n"
                                  "Lpt Name=LPT1\n"
                                  "[Printer Set]\n"
                                  "Port Select=3\n"
                                  "Printer Select=2\n"
                                  "BaudRate Select=9600\n"
                                  "[Language Select]\n"
                                  "Language=1\n"));
}

TEST_F(SettingsTest, MainWindowValuesFromAFile) {
    const QString longName = QStringLiteral("/dev/serial/by-id/usb-0000000000000000000-if00");
    ASSERT_GT(longName.size(), 39);
    struct Case {
        QByteArray file;
        std::function<void(const MainWindowSettings&)> check;
    };
    const Case cases[] = {
        {"[Printer Set]\nPort Select=abc\n",
         [](const MainWindowSettings& s) { EXPECT_EQ(s.portSelect, 0); }},
        {"[Printer Set]\nPort Select=-1\nPrinter Select=-1\n",
         [](const MainWindowSettings& s) {
             EXPECT_EQ(s.portSelect, -1);
             EXPECT_EQ(s.printerSelect, -1);
         }},
        {"[printer set]\nPORT SELECT=1\nbaudrate select=115200\n[LANGUAGE SELECT]\nlanguage=0\n",
         [](const MainWindowSettings& s) {
             EXPECT_EQ(s.portSelect, 1);
             EXPECT_EQ(s.baudRate, 115200);
             EXPECT_EQ(s.language, 0);
         }},
        {"[Printer Address]\nIP=999.1.1.1\n",
         [](const MainWindowSettings& s) { EXPECT_EQ(s.printerIp, 0xFFFFFFFFu); }},
        {"[Printer Address]\nIP=  10.0.0.7  \n",
         [](const MainWindowSettings& s) { EXPECT_EQ(s.printerIp, 0x0A000007u); }},
        {"[Printer Address]\nIP=10.1\n",  // short form, as inet_addr reads it
         [](const MainWindowSettings& s) { EXPECT_EQ(s.printerIp, 0x0A000001u); }},
        {"[Printer Address]\nIP=\n",
         [](const MainWindowSettings& s) { EXPECT_EQ(s.printerIp, 0xFFFFFFFFu); }},
        {"[Printer Address]\nIP=printer\n",
         [](const MainWindowSettings& s) { EXPECT_EQ(s.printerIp, 0xFFFFFFFFu); }},
        {"[Printer Address]\nIP=\xEF\xBC\x91.2.3.4\n",  // full-width digit: not an address
         [](const MainWindowSettings& s) { EXPECT_EQ(s.printerIp, 0xFFFFFFFFu); }},
        {"[Port Name]\nCom Name=" + longName.toUtf8() + "\nLpt Name=/dev/usb/lp0\n",
         [&](const MainWindowSettings& s) {
             EXPECT_EQ(s.comName, longName.left(39));
             EXPECT_EQ(s.lptName, QStringLiteral("/dev/usb/lp0"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        put(c.file);
        c.check(LoadMainWindowSettings());
    }
}

TEST_F(SettingsTest, SavedValuesReadBackAndForeignLinesStay) {
    put("; notes\n[Printer Set]\nPort Select=0\nOwn=1\n\n[SET]\nBLMMAX=250\n");
    MainWindowSettings saved;
    saved.printerIp = 0x0A0B0C0D;
    saved.comName = QStringLiteral("/dev/ttyUSB0");
    saved.lptName = QStringLiteral("LPT2");
    saved.portSelect = -1;
    saved.printerSelect = 0;
    saved.baudRate = 128000;
    saved.language = 0;
    SaveMainWindowSettings(saved);
    EXPECT_EQ(LoadMainWindowSettings(), saved);
    EXPECT_EQ(bytes(), QByteArray("; notes\n"
                                  "[Printer Set]\n"
                                  "Port Select=-1\n"
                                  "Own=1\n"
                                  "Printer Select=0\n"
                                  "BaudRate Select=128000\n"
                                  "\n"
                                  "[SET]\n"
                                  "BLMMAX=250\n"
                                  "[Printer Address]\n"
                                  "IP=10.11.12.13\n"
                                  "[Port Name]\n"
                                  "Com Name=/dev/ttyUSB0\n"
                                  "Lpt Name=LPT2\n"
                                  "[Language Select]\n"
                                  "Language=0\n"));
}

TEST_F(SettingsTest, ToolReadsAnotherFileWithoutTouchingIt) {
    const QString other = m_state.dir() + QStringLiteral("/other.ini");
    WriteFileBytes(other, "[Printer Set]\nPort Select=1\n");
    const MainWindowSettings read = ReadMainWindowSettings(IniFile(other));
    EXPECT_EQ(read.portSelect, 1);
    EXPECT_EQ(read.baudRate, 9600);
    EXPECT_EQ(ReadFileBytes(other), QByteArray("[Printer Set]\nPort Select=1\n"));
    EXPECT_FALSE(QFile::exists(iniPath()));
}

TEST_F(SettingsTest, DefaultsOfEveryValue) {
    const std::pair<IntSetting, int> integers[] = {
        {kIniPortSelect, 3}, {kIniPrinterSelect, 2}, {kIniBaudRate, 9600}, {kIniLanguage, 1},
        {kIniBlmLCut, 20},   {kIniBlmPrtCut, 20},    {kIniBlmMax, 300},    {kIniBlmWitch, 10},
        {kIniP58Sw, 0},      {kIniP76ESw, 0},        {kIniP80Sw, 0},       {kIniNetKeyType, 6},
    };
    for (const auto& [setting, expected] : integers) {
        EXPECT_EQ(ReadSetting(setting), expected) << setting.key;
    }
    const std::pair<TextSetting, const char*> texts[] = {
        {kIniPrinterIp, "192.168.123.100"},
        {kIniComName, "COM1"},
        {kIniLptName, "LPT1"},
        {kIniBtName, "Mosaqel572"},
        {kIniBtPinKey, "580297"},
        {kIniNetIpAddr, "192.168.123.100"},
        {kIniNetMask, "255.255.255.0"},
        {kIniNetGate, "192.168.123.1"},
        {kIniNetSsid, "Mosaqel572"},
        {kIniNetKey, "Mosaqel572"},
        {kIniQrEccLevel, "25%"},
        {kIniQrScale, "2"},
    };
    for (const auto& [setting, expected] : texts) {
        EXPECT_EQ(ReadSetting(setting), U(expected)) << setting.key;
    }
    EXPECT_FALSE(QFile::exists(iniPath()));
}

TEST_F(SettingsTest, CapacitiesCutWhatIsReadBack) {
    struct Case {
        TextSetting setting;
        const char* written;
        const char* read;
    };
    const Case cases[] = {
        {kIniQrEccLevel, "25%", "25%"},
        {kIniQrEccLevel, "12345%", "1234"},
        {kIniQrScale, "12345678901234567890", "123456789012345"},
        {kIniComName, "0123456789012345678901234567890123456789AB",
         "012345678901234567890123456789012345678"},
    };
    for (const Case& c : cases) {
        WriteSetting(c.setting, U(c.written));
        EXPECT_EQ(ReadSetting(c.setting), U(c.read)) << c.setting.key;
    }
    // The plain reader takes 128 by default: 127 characters.
    WriteIniString(QStringLiteral("NET"), QStringLiteral("SSID"), QString(200, u'x'));
    EXPECT_EQ(ReadIniString(QStringLiteral("NET"), QStringLiteral("SSID"), QString()).size(), 127);
}

TEST_F(SettingsTest, ProgramReadersAndWriters) {
    WriteIniInt(QStringLiteral("SET"), QStringLiteral("P58SW"), 0xE5);
    WriteIniInt(QStringLiteral("Printer Set"), QStringLiteral("Port Select"), -1);
    WriteIniString(QStringLiteral("NET"), QStringLiteral("SSID"), U("\xE7\xBD\x91"));
    const std::pair<const char*, quint32> addresses[] = {
        {"IPADDR", 0xC0A87B64}, {"MASK", 0xFFFFFF00}, {"GATE", 0x00000000}};
    for (const auto& [key, address] : addresses) {
        WriteIniIp(U(key), address);
    }
    EXPECT_EQ(bytes(), QByteArray("[SET]\n"
                                  "P58SW=229\n"
                                  "[Printer Set]\n"
                                  "Port Select=-1\n"
                                  "[NET]\n"
                                  "SSID=\xE7\xBD\x91\n"
                                  "IPADDR=192.168.123.100\n"
                                  "MASK=255.255.255.0\n"
                                  "GATE=0.0.0.0\n"));
    EXPECT_EQ(ReadIniInt(QStringLiteral("SET"), QStringLiteral("P58SW"), 0), 0xE5);
    EXPECT_EQ(ReadIniInt(QStringLiteral("printer set"), QStringLiteral("port select"), 3), -1);
    EXPECT_EQ(ReadSetting(kIniNetMask), QStringLiteral("255.255.255.0"));
    EXPECT_EQ(ReadIniString(QStringLiteral("NET"), QStringLiteral("SSID"), QString()),
              U("\xE7\xBD\x91"));
}

}  // namespace
