#pragma once

// Reading a whole file, and the framework's message when a file cannot be opened, read or
// written: one Chinese text per kind of failure, naming the file.

#include <QByteArray>
#include <QString>

class QWidget;

// Reads every byte of the file. On failure returns false and sets `error` to the errno value.
bool ReadFileBytes(const QString& path, QByteArray& bytes, int& error);

// The message for a failed file operation with the given errno value.
QString FileErrorText(int error, const QString& path);

// Shows that message in a message box (information icon, OK, the program's name as title).
void ShowFileError(QWidget* parent, int error, const QString& path);
