#include "cli_options.h"

#include <QFileInfo>
#include <QHash>

#include "core/dotted_quad.h"
#include "core/ini_file.h"
#include "core/main_window_settings.h"
#include "core/program_state.h"

namespace {

const QHash<QString, int> kPortTypes{
    {"lpt", PORT_LPT}, {"com", PORT_COM}, {"usb", PORT_USB}, {"net", PORT_NET}};
const QHash<QString, int> kParities{
    {"none", 0}, {"odd", 1}, {"even", 2}, {"mark", 3}, {"space", 4}};
const QHash<QString, int> kStopBits{{"1", 0}, {"1.5", 1}, {"2", 2}};
const QHash<QString, int> kModels{{"58", MODEL_POS58}, {"76", MODEL_POS76}, {"80", MODEL_POS80}};

template <typename T>
std::optional<QString> Lookup(const QHash<QString, T>& table, const QString& option,
                              const QString& value, std::optional<T>& out) {
    const auto it = table.find(value.toLower());
    if (it == table.end()) {
        return QStringLiteral("%1: unknown value \"%2\" (one of: %3)")
            .arg(option, value, QStringList(table.keys()).join(QLatin1Char('|')));
    }
    out = it.value();
    return std::nullopt;
}

std::optional<QString> Number(const QString& option, const QString& value, int low, int high,
                              std::optional<int>& out) {
    out = ParseIntInRange(value, low, high);
    if (!out) {
        return QStringLiteral("%1: \"%2\" is not a number from %3 to %4")
            .arg(option, value)
            .arg(low)
            .arg(high);
    }
    return std::nullopt;
}

std::optional<QString> Address(const QString& option, const QString& value,
                               std::optional<quint32>& out) {
    out = ParseDottedQuad(value);
    if (!out) {
        return QStringLiteral("%1: \"%2\" is not an address A.B.C.D").arg(option, value);
    }
    return std::nullopt;
}

// Handles one link option with its value; nothing when `option` is not a link option.
std::optional<std::optional<QString>> LinkOption(const QString& option, const QString& value,
                                                 LinkOptions& link) {
    if (option == "--ini") {
        link.iniPath = value;
        return std::optional<QString>{};
    }
    if (option == "--port") {
        return Lookup(kPortTypes, option, value, link.portType);
    }
    if (option == "--lpt") {
        link.lptName = value;
        return std::optional<QString>{};
    }
    if (option == "--com") {
        link.comName = value;
        return std::optional<QString>{};
    }
    if (option == "--baud") {
        return Number(option, value, 50, 4000000, link.baudRate);
    }
    if (option == "--data-bits") {
        return Number(option, value, 4, 8, link.dataBits);
    }
    if (option == "--parity") {
        return Lookup(kParities, option, value, link.parity);
    }
    if (option == "--stop-bits") {
        return Lookup(kStopBits, option, value, link.stopBits);
    }
    if (option == "--ip") {
        return Address(option, value, link.printerIp);
    }
    if (option == "--monitor-ip") {
        return Address(option, value, link.monitorIp);
    }
    if (option == "--timeout") {
        return Number(option, value, 1, 30, link.timeoutSeconds);
    }
    if (option == "--model") {
        return Lookup(kModels, option, value, link.printerModel);
    }
    if (option == "--lang") {
        const QString lang = value.toLower();
        if (lang != "en" && lang != "zh") {
            return std::optional<QString>(
                QStringLiteral("--lang: \"%1\" is not en or zh").arg(value));
        }
        link.chinese = lang == "zh";
        return std::optional<QString>{};
    }
    return std::nullopt;
}

const QStringList kLinkOptions{"--ini",       "--port",   "--lpt",       "--com", "--baud",
                               "--data-bits", "--parity", "--stop-bits", "--ip",  "--monitor-ip",
                               "--timeout",   "--model",  "--lang"};

}  // namespace

std::optional<QString> ParseCommandLine(const QStringList& args, CommandLine& out) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            out.help = true;
            continue;
        }
        if (kLinkOptions.contains(arg)) {
            if (i + 1 >= args.size()) {
                return QStringLiteral("%1 needs a value").arg(arg);
            }
            const auto error = LinkOption(arg, args[++i], out.link);
            if (error && *error) {
                return **error;
            }
            continue;
        }
        if (out.command.isEmpty() && !arg.startsWith("--")) {
            out.command = arg;
            continue;
        }
        if (out.command.isEmpty()) {
            return QStringLiteral("unknown option %1").arg(arg);
        }
        out.arguments << arg;
    }
    if (out.command.isEmpty() && !out.help) {
        return QStringLiteral("no command given (see --help)");
    }
    return std::nullopt;
}

quint32 ApplyLinkOptions(const LinkOptions& options, const QString& executableDir) {
    const QString iniPath = options.iniPath.isEmpty()
                                ? executableDir + QStringLiteral("/Printer.ini")
                                : options.iniPath;
    const MainWindowSettings saved = ReadMainWindowSettings(IniFile(iniPath));
    g_strAppDir.set(executableDir);

    g_nPortType = options.portType.value_or(saved.portSelect);
    g_nPrinterModel = options.printerModel.value_or(saved.printerSelect);
    g_nBaudRate = options.baudRate.value_or(saved.baudRate);
    g_bChinese = options.chinese.has_value() ? (*options.chinese ? 1 : 0) : saved.language;
    g_strLptName.set(options.lptName.value_or(saved.lptName));
    g_strComName.set(options.comName.value_or(saved.comName));
    if (options.dataBits) {
        g_nByteSize = static_cast<std::uint8_t>(*options.dataBits);
    }
    if (options.parity) {
        g_nParity = static_cast<std::uint8_t>(*options.parity);
    }
    if (options.stopBits) {
        g_nStopBits = static_cast<std::uint8_t>(*options.stopBits);
    }
    if (options.timeoutSeconds) {
        g_nNetTimeout.set(timeval{*options.timeoutSeconds, 0});
    }
    const quint32 printerIp = options.printerIp.value_or(saved.printerIp);
    g_addrPrinter.set(MakeSocketAddress(kPrintPort, printerIp));
    g_addrMonitor.set(MakeSocketAddress(kConfigPort, options.monitorIp.value_or(printerIp)));
    g_bMonitorIpDefault = options.monitorIp ? 0 : 1;
    return printerIp;
}

std::optional<int> ParseIntInRange(const QString& text, int low, int high) {
    if (text.isEmpty() || text.size() > 10) {
        return std::nullopt;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool digit = c >= u'0' && c <= u'9';
        const bool leadingMinus = i == 0 && c == u'-' && text.size() > 1;
        if (!digit && !leadingMinus) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}
