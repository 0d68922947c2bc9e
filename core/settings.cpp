#include "core/settings.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/program_state.h"

namespace {

QString ExecutableDir() {
    if (QCoreApplication::instance() != nullptr) {
        return QCoreApplication::applicationDirPath();
    }
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
}

QString Name(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

QString SettingsFilePath() {
    QString dir = g_strAppDir.get();
    if (dir.isEmpty()) {
        dir = ExecutableDir();
    }
    return dir + QStringLiteral("/Printer.ini");
}

IniFile SettingsFile() {
    return IniFile(SettingsFilePath());
}

int ReadIniInt(const QString& section, const QString& key, int def) {
    return SettingsFile().readInt(section, key, def);
}

QString ReadIniString(const QString& section, const QString& key, const QString& def,
                      int capacity) {
    return SettingsFile().readString(section, key, def, capacity);
}

void WriteIniString(const QString& section, const QString& key, const QString& text) {
    SettingsFile().writeString(section, key, text);
}

void WriteIniInt(const QString& section, const QString& key, int value) {
    SettingsFile().writeInt(section, key, value);
}

void WriteIniIp(const QString& key, quint32 hostOrderAddress) {
    WriteIniString(Name(kSectionNet), key, DottedQuad(hostOrderAddress));
}

int ReadSetting(const IniFile& file, const IntSetting& setting) {
    return file.readInt(Name(setting.section), Name(setting.key), setting.defaultValue);
}

QString ReadSetting(const IniFile& file, const TextSetting& setting) {
    return file.readString(Name(setting.section), Name(setting.key), Name(setting.defaultValue),
                           setting.capacity);
}

int ReadSetting(const IntSetting& setting) {
    return ReadSetting(SettingsFile(), setting);
}

QString ReadSetting(const TextSetting& setting) {
    return ReadSetting(SettingsFile(), setting);
}

void WriteSetting(IniFile& file, const IntSetting& setting, int value) {
    file.writeInt(Name(setting.section), Name(setting.key), value);
}

void WriteSetting(IniFile& file, const TextSetting& setting, const QString& text) {
    file.writeString(Name(setting.section), Name(setting.key), text);
}

void WriteSetting(const IntSetting& setting, int value) {
    IniFile file = SettingsFile();
    WriteSetting(file, setting, value);
}

void WriteSetting(const TextSetting& setting, const QString& text) {
    IniFile file = SettingsFile();
    WriteSetting(file, setting, text);
}
