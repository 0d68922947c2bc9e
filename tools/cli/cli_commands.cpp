#include "cli_commands.h"

#include <QHash>
#include <QSet>
#include <climits>

#include "app/quick_actions.h"
#include "app/send_content.h"
#include "cli_console.h"
#include "cli_options.h"
#include "cli_ports.h"
#include "core/file_errors.h"
#include "core/program_state.h"
#include "link/link_manager.h"

namespace {

// A command's own arguments: positional values, flags and options with a value.
struct CommandArgs {
    QStringList positional;
    QSet<QString> flags;
    QHash<QString, QString> values;
};

std::optional<QString> SplitArgs(const QStringList& in, const QStringList& flagNames,
                                 const QStringList& valueNames, CommandArgs& out) {
    for (int i = 0; i < in.size(); ++i) {
        const QString& arg = in[i];
        if (flagNames.contains(arg)) {
            out.flags.insert(arg);
        } else if (valueNames.contains(arg)) {
            if (i + 1 >= in.size()) {
                return QStringLiteral("%1 needs a value").arg(arg);
            }
            out.values.insert(arg, in[++i]);
        } else if (arg.startsWith(QStringLiteral("--")) && arg.size() > 2) {
            return QStringLiteral("unknown option %1").arg(arg);
        } else {
            out.positional << arg;
        }
    }
    return std::nullopt;
}

int Usage(const QString& text) {
    PrintUsageError(text);
    return kExitUsage;
}

// Parses the arguments and checks the count of positional values.
std::optional<int> Prepare(const QStringList& in, int positionalCount, CommandArgs& args,
                           const QStringList& flags = {}, const QStringList& values = {}) {
    if (const auto error = SplitArgs(in, flags, values, args)) {
        return Usage(*error);
    }
    if (args.positional.size() != positionalCount) {
        return Usage(QStringLiteral("expected %1 argument(s), got %2")
                         .arg(positionalCount)
                         .arg(args.positional.size()));
    }
    return std::nullopt;
}

int Result(bool ok) {
    return ok ? kExitOk : kExitPrinterFailed;
}

int RunSend(const QStringList& in) {
    CommandArgs args;
    if (const auto exit = Prepare(in, 1, args, {"--hex"}, {"--repeat"})) {
        return *exit;
    }
    int repeat = 1;
    if (args.values.contains("--repeat")) {
        const auto n = ParseIntInRange(args.values["--repeat"], 0, INT_MAX);
        if (!n) {
            return Usage(
                QStringLiteral("--repeat: \"%1\" is not a count").arg(args.values["--repeat"]));
        }
        repeat = *n;
    }
    Bytes bytes;
    const ContentError error =
        ContentBytes(args.positional[0], args.flags.contains("--hex"), bytes);
    if (error != ContentError::None) {
        return Usage(ContentErrorText(error));
    }
    bool allSent = true;
    for (int i = 0; i < repeat; ++i) {
        allSent = SendToPrinter(bytes) != 0 && allSent;
        ShowStatus();
    }
    return Result(allSent);
}

// A command without arguments that runs one printer action and shows its status.
int RunAction(const QStringList& in, int (*action)()) {
    CommandArgs args;
    if (const auto exit = Prepare(in, 0, args)) {
        return *exit;
    }
    const bool ok = action() != 0;
    ShowStatus();
    return Result(ok);
}

int RunCut(const QStringList& in) {
    return RunAction(in, CutPaper);
}

int RunDrawer(const QStringList& in) {
    return RunAction(in, OpenCashDrawer);
}

int RunTraditional(const QStringList& in) {
    CommandArgs args;
    if (const auto exit = Prepare(in, 0, args)) {
        return *exit;
    }
    QString fileError;
    const int result = SendTraditionalSample(g_strAppDir.get(), g_nPrinterModel.load(), &fileError);
    if (result < 0) {
        return Usage(fileError);
    }
    ShowStatus();
    return Result(result == 1);
}

int RunSendFile(const QStringList& in) {
    CommandArgs args;
    if (const auto exit = Prepare(in, 1, args)) {
        return *exit;
    }
    QString fileError;
    const auto data = ReadWholeFile(args.positional[0], &fileError);
    if (!data) {
        return Usage(fileError);
    }
    const bool ok = SendToPrinter(reinterpret_cast<const std::uint8_t*>(data->constData()),
                                  static_cast<int>(data->size())) != 0;
    ShowStatus();
    return Result(ok);
}

int RunPorts(const QStringList& in) {
    CommandArgs args;
    if (const auto exit = Prepare(in, 0, args)) {
        return *exit;
    }
    PrintPresentPorts();
    return kExitOk;
}

}  // namespace

const QList<CliCommand>& CliCommands() {
    static const QList<CliCommand> commands{
        {"send", "TEXT [--hex] [--repeat N]",
         "send text (with its terminating zero byte) or, with --hex, hexadecimal bytes", RunSend},
        {"cut", "", "cut the paper", RunCut},
        {"drawer", "", "open the cash drawer", RunDrawer},
        {"traditional", "", "print the traditional-Chinese sample for --model, then cut",
         RunTraditional},
        {"send-file", "PATH", "send a file's bytes unchanged", RunSendFile},
        {"ports", "", "list the serial and parallel devices present and the known USB printers",
         RunPorts},
    };
    return commands;
}

const CliCommand* FindCliCommand(const QString& name) {
    for (const CliCommand& command : CliCommands()) {
        if (name == QLatin1String(command.name)) {
            return &command;
        }
    }
    return nullptr;
}
