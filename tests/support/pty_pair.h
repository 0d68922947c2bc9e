#pragma once

// A pseudo-terminal pair standing in for a serial printer. The program opens the slave side by
// its path, as it would /dev/ttyS0; the test reads what arrives on the master side. With
// reading stopped nothing is taken from the master, so the program's writes back up as they do
// when a printer holds XOFF. A pty keeps the line settings it is given, except that it forces
// 8 data bits and parity off, and it has no modem lines; speed and stop bits have no effect.

#include <QByteArray>
#include <QString>

#include "tests/support/fd_reader.h"

class PtyPair : public ReadingPeer {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool isOpen() const { return m_master >= 0 && m_slaveHold >= 0; }
    QString slavePath() const { return m_slavePath; }
    // A descriptor of the slave side held by the pair, to look at the settings the program set.
    int slaveFd() const { return m_slaveHold; }

    // Bytes the printer sends back; they wait on the slave side to be read.
    bool sendToSlave(const QByteArray& bytes);

private:
    int m_master = -1;
    int m_slaveHold = -1;  // keeps the slave side alive while the program's handle is closed
    QString m_slavePath;
};
