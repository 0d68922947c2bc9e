#include "tests/support/fifo_printer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

FifoPrinter::FifoPrinter(const QString& path) : m_path(path) {
    const QByteArray local = path.toLocal8Bit();
    if (mkfifo(local.constData(), 0600) != 0) {
        return;
    }
    m_read = ::open(local.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_read >= 0) {
        fcntl(m_read, F_SETPIPE_SZ, 4096);
        m_reader.setFd(m_read);
    }
}

FifoPrinter::~FifoPrinter() {
    unplug();
    ::unlink(m_path.toLocal8Bit().constData());
}

void FifoPrinter::unplug() {
    m_reader.stop();
    if (m_read >= 0) {
        ::close(m_read);
        m_read = -1;
    }
}

int OpenDescriptorCount(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    int count = 0;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& entry :
         fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFileInfo(fds.filePath(entry)).symLinkTarget() == target) {
            ++count;
        }
    }
    return count;
}
