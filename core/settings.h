#pragma once

// The program's settings file, Printer.ini in the executable's folder (g_strAppDir). Every call
// reads or writes the file at that moment; the rules are those of IniFile (core/ini_file.h).
// Writes do not report failure: a file that cannot be written is silently left as it was.

#include <QString>
#include <QtGlobal>

#include "core/ini_file.h"
#include "core/settings_keys.h"

// g_strAppDir + "/Printer.ini". Before g_strAppDir is set, the executable's folder is used, so
// the file never lands in the root or the current folder by accident.
QString SettingsFilePath();
IniFile SettingsFile();

int ReadIniInt(const QString& section, const QString& key, int def);
QString ReadIniString(const QString& section, const QString& key, const QString& def,
                      int capacity = 128);
void WriteIniString(const QString& section, const QString& key, const QString& text);
void WriteIniInt(const QString& section, const QString& key, int value);  // "%d"

// Section "NET": the four bytes of a host-order address, most significant first, "%d.%d.%d.%d".
void WriteIniIp(const QString& key, quint32 hostOrderAddress);

// The same through the entries of core/settings_keys.h, with their defaults and capacities.
int ReadSetting(const IniFile& file, const IntSetting& setting);
QString ReadSetting(const IniFile& file, const TextSetting& setting);
int ReadSetting(const IntSetting& setting);
QString ReadSetting(const TextSetting& setting);
void WriteSetting(IniFile& file, const IntSetting& setting, int value);
void WriteSetting(IniFile& file, const TextSetting& setting, const QString& text);
void WriteSetting(const IntSetting& setting, int value);
void WriteSetting(const TextSetting& setting, const QString& text);
