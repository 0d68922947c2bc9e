#pragma once

#include <QString>
#include <QStringList>

// Exit statuses of the command-line tool.
enum CliExit : int { kExitOk = 0, kExitPrinterFailed = 1, kExitUsage = 2 };

struct CliCommand {
    const char* name;
    const char* synopsis;  // arguments, for the help text
    const char* summary;   // one line, for the help text
    int (*run)(const QStringList& arguments);
};

// Every command the tool knows, in the order of the help text.
const QList<CliCommand>& CliCommands();
const CliCommand* FindCliCommand(const QString& name);
