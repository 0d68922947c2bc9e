// tarnwick-cli: every printer action of the window, for scripts.
#include <QCoreApplication>
#include <cstdio>

#include "cli_commands.h"
#include "cli_console.h"
#include "cli_help.h"
#include "cli_options.h"
#include "core/program_state.h"
#include "link/link_manager.h"
#include "link/net_socket.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();

    CommandLine line;
    if (const auto error = ParseCommandLine(args, line)) {
        PrintUsageError(*error);
        return kExitUsage;
    }
    if (line.help) {
        std::fputs(CommandHelp(line.command).toUtf8().constData(), stdout);
        return kExitOk;
    }
    const CliCommand* command = FindCliCommand(line.command);
    if (!command) {
        PrintUsageError(QStringLiteral("unknown command \"%1\" (see --help)").arg(line.command));
        return kExitUsage;
    }

    CliConsole console(ApplyLinkOptions(line.link, QCoreApplication::applicationDirPath()));
    g_pMainDlg = &console;
    NetStartup();
    const int exitCode = command->run(line.arguments);
    CloseAllLinks();
    NetCleanup();
    g_pMainDlg = nullptr;
    return exitCode;
}
