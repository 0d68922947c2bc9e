#pragma once

// Releases the parallel and serial ports a while after the last Send-button send, so another
// program can use the port. Starting it again restarts the wait.

#include <QObject>
#include <QTimer>

class PortReleaseTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int kReleaseDelayMs = 5000;

    explicit PortReleaseTimer(QObject* parent = nullptr);

    // Starts (or restarts) the wait; when it ends, every link is closed once.
    void restart();
    bool isActive() const { return m_timer.isActive(); }

signals:
    void released();

private:
    void release();

    QTimer m_timer;
};
