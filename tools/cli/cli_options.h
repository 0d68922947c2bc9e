#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The link options of the command line, each set only when given.
struct LinkOptions {
    QString iniPath;  // empty: Printer.ini beside the executable
    std::optional<int> portType;
    std::optional<QString> lptName;
    std::optional<QString> comName;
    std::optional<int> baudRate;
    std::optional<int> dataBits;
    std::optional<int> parity;
    std::optional<int> stopBits;
    std::optional<quint32> printerIp;
    std::optional<quint32> monitorIp;
    std::optional<int> timeoutSeconds;
    std::optional<int> printerModel;
    std::optional<bool> chinese;
};

struct CommandLine {
    LinkOptions link;
    bool help = false;
    QString command;
    QStringList arguments;  // the command's own arguments and options, in order
};

// Splits the link options (wherever they stand) from the command and its arguments.
// Returns the usage error, or nothing when the line is well-formed.
std::optional<QString> ParseCommandLine(const QStringList& args, CommandLine& out);

// Applies Printer.ini's values (the given file, or the one beside the executable; never
// written), then the options, to the program state. Returns the printer address to use.
quint32 ApplyLinkOptions(const LinkOptions& options, const QString& executableDir);

// A decimal integer within [low, high].
std::optional<int> ParseIntInRange(const QString& text, int low, int high);
