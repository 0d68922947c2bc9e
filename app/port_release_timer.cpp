#include "app/port_release_timer.h"

#include "link/link_manager.h"

PortReleaseTimer::PortReleaseTimer(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);  // a coarse timer may end up to 5 % early
    m_timer.setInterval(kReleaseDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &PortReleaseTimer::release);
}

void PortReleaseTimer::restart() {
    m_timer.start();
}

void PortReleaseTimer::release() {
    m_timer.stop();
    CloseAllLinks();
    emit released();
}
