#include "core/main_window_settings.h"

#include <arpa/inet.h>

#include "core/ansi_text.h"
#include "core/program_state.h"
#include "core/settings.h"

quint32 ParseSettingsAddress(const QString& text) {
    const QByteArray ansi = ToAnsi(text);
    return ntohl(inet_addr(ansi.constData()));
}

MainWindowSettings ReadMainWindowSettings(const IniFile& file) {
    MainWindowSettings settings;
    settings.printerIp = ParseSettingsAddress(ReadSetting(file, kIniPrinterIp));
    settings.comName = ReadSetting(file, kIniComName);
    settings.lptName = ReadSetting(file, kIniLptName);
    settings.portSelect = ReadSetting(file, kIniPortSelect);
    settings.printerSelect = ReadSetting(file, kIniPrinterSelect);
    settings.baudRate = ReadSetting(file, kIniBaudRate);
    settings.language = ReadSetting(file, kIniLanguage);
    return settings;
}

MainWindowSettings LoadMainWindowSettings() {
    return ReadMainWindowSettings(SettingsFile());
}

void WriteMainWindowSettings(IniFile& file, const MainWindowSettings& settings) {
    WriteSetting(file, kIniPrinterIp, DottedQuad(settings.printerIp));
    WriteSetting(file, kIniComName, settings.comName);
    WriteSetting(file, kIniLptName, settings.lptName);
    WriteSetting(file, kIniPortSelect, settings.portSelect);
    WriteSetting(file, kIniPrinterSelect, settings.printerSelect);
    WriteSetting(file, kIniBaudRate, settings.baudRate);
    WriteSetting(file, kIniLanguage, settings.language);
}

void SaveMainWindowSettings(const MainWindowSettings& settings) {
    IniFile file = SettingsFile();
    WriteMainWindowSettings(file, settings);
}
