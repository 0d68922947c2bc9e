#include "cli_help.h"

#include "cli_commands.h"

namespace {

const char* const kLinkOptionsHelp =
    "Link options (defaults from Printer.ini beside the executable, which is never written):\n"
    "  --ini PATH                 read another settings file\n"
    "  --port lpt|com|usb|net     the link\n"
    "  --lpt NAME                 parallel port (LPT1, or a device path)\n"
    "  --com NAME                 serial port (COM1, or a device path such as /dev/ttyUSB0)\n"
    "  --baud RATE                serial speed in bit/s\n"
    "  --data-bits 4..8           serial data bits\n"
    "  --parity none|odd|even|mark|space\n"
    "  --stop-bits 1|1.5|2\n"
    "  --ip A.B.C.D               the printer's address\n"
    "  --monitor-ip A.B.C.D       configuration/status port address (follows --ip)\n"
    "  --timeout SECONDS          TCP connect time-out per attempt, 1..30\n"
    "  --model 58|76|80           printer model\n"
    "  --lang en|zh               language of the printed messages\n";

const char* const kResultsHelp =
    "Results: status texts on standard output, one line per message.\n"
    "Exit status 0 when every send succeeded, 1 when the printer or the link failed,\n"
    "2 for a usage error (nothing is sent then).\n";

}  // namespace

QString GeneralHelp() {
    QString text = QStringLiteral("Usage: tarnwick-cli [LINK OPTIONS] COMMAND [ARGUMENTS]\n\n");
    text += QString::fromUtf8(kLinkOptionsHelp);
    text += QStringLiteral("\nCommands:\n");
    for (const CliCommand& command : CliCommands()) {
        const QString usage = QStringLiteral("%1 %2").arg(QLatin1String(command.name),
                                                          QLatin1String(command.synopsis));
        text += QStringLiteral("  %1  %2\n")
                    .arg(usage.trimmed().leftJustified(34), QLatin1String(command.summary));
    }
    text += QStringLiteral("\n") + QString::fromUtf8(kResultsHelp);
    text += QStringLiteral("'tarnwick-cli COMMAND --help' describes one command.\n");
    return text;
}

QString CommandHelp(const QString& name) {
    const CliCommand* command = FindCliCommand(name);
    if (!command) {
        return GeneralHelp();
    }
    return QStringLiteral("Usage: tarnwick-cli [LINK OPTIONS] %1 %2\n\n%3\n\n%4\n%5")
        .arg(QLatin1String(command->name), QLatin1String(command->synopsis),
             QLatin1String(command->summary), QString::fromUtf8(kLinkOptionsHelp),
             QString::fromUtf8(kResultsHelp));
}
