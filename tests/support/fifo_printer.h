#pragma once

// A named pipe standing in for a parallel printer device: the program opens its path as it
// would /dev/lp0 and writes; the test reads what arrives. Its buffer is one page, so a printer
// that stops reading makes a write back up after a few kilobytes.

#include <QByteArray>
#include <QString>

#include "tests/support/fd_reader.h"

class FifoPrinter : public ReadingPeer {
public:
    // Creates the pipe at path and opens its read end (the program's open needs a reader).
    explicit FifoPrinter(const QString& path);
    ~FifoPrinter();
    FifoPrinter(const FifoPrinter&) = delete;
    FifoPrinter& operator=(const FifoPrinter&) = delete;

    bool isOpen() const { return m_read >= 0; }
    QString path() const { return m_path; }

    // The printer goes away: the read end is closed, writes fail.
    void unplug();

private:
    QString m_path;
    int m_read = -1;
};

// How many of this process's descriptors are open on path.
int OpenDescriptorCount(const QString& path);
