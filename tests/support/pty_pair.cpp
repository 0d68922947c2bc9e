#include "tests/support/pty_pair.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

PtyPair::PtyPair() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        return;
    }
    char name[128] = {};
    if (ptsname_r(m_master, name, sizeof name) != 0) {
        return;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    m_slaveHold = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    m_reader.setFd(m_master);
}

PtyPair::~PtyPair() {
    m_reader.stop();
    if (m_slaveHold >= 0) {
        ::close(m_slaveHold);
    }
    if (m_master >= 0) {
        ::close(m_master);
    }
}

bool PtyPair::sendToSlave(const QByteArray& bytes) {
    return ::write(m_master, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
}
