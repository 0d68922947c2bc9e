#pragma once

// The seven values the main window keeps in Printer.ini: read at start-up into its fields,
// g_nBaudRate and g_bChinese, written back at exit. The window only moves them between these
// structs and its controls; the command-line tool reads them from a file of its choice.

#include <QString>
#include <QtGlobal>

#include "core/ini_file.h"

struct MainWindowSettings {
    quint32 printerIp = 0xC0A87B64;  // 192.168.123.100, host byte order
    QString comName = QStringLiteral("COM1");
    QString lptName = QStringLiteral("LPT1");
    int portSelect = 3;     // port radio, -1 when none is checked
    int printerSelect = 2;  // model radio, -1 when none is checked
    int baudRate = 9600;
    int language = 1;  // 1 Chinese, 0 English

    friend bool operator==(const MainWindowSettings&, const MainWindowSettings&) = default;
};

// A dotted-quad text as the settings file stores it, parsed the way inet_addr() does (decimal,
// octal and hex parts, short forms like "10.1"), after conversion to 8-bit text. A text that is
// not an address gives 255.255.255.255. Host byte order.
quint32 ParseSettingsAddress(const QString& text);

// Reads, in this order: "IP", "Com Name", "Lpt Name", "Port Select", "Printer Select",
// "BaudRate Select", "Language"; each missing value takes its default.
MainWindowSettings ReadMainWindowSettings(const IniFile& file);
MainWindowSettings LoadMainWindowSettings();  // from SettingsFilePath()

// Writes the seven values in the same order; the address as a dotted quad.
void WriteMainWindowSettings(IniFile& file, const MainWindowSettings& settings);
void SaveMainWindowSettings(const MainWindowSettings& settings);  // to SettingsFilePath()
