#pragma once

#include <QString>

// The tool's help text, and one command's.
QString GeneralHelp();
QString CommandHelp(const QString& command);
