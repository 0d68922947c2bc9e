#include "cli_console.h"

#include <cstdio>

void CliConsole::showStatusText(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void PrintUsageError(const QString& text) {
    std::fprintf(stderr, "tarnwick-cli: %s\n", text.toUtf8().constData());
}
