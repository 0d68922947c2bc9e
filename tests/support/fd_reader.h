#pragma once

// Reads a file descriptor on its own thread and keeps what arrives, for test peers that stand
// in for a printer (the master side of a pty, the read end of a FIFO). While stopped nothing is
// read, so a writer on the other side backs up.

#include <QByteArray>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class FdReader {
public:
    explicit FdReader(int fd = -1) : m_fd(fd) {}
    ~FdReader() { stop(); }
    FdReader(const FdReader&) = delete;
    FdReader& operator=(const FdReader&) = delete;

    void setFd(int fd) { m_fd = fd; }
    void start();
    void stop();

    // Waits until at least count bytes have arrived or the time is up; returns all so far.
    QByteArray waitForBytes(qsizetype count, std::chrono::milliseconds timeout);
    // Waits until what has arrived ends with tail or the time is up; true when it does.
    bool waitForEnding(const QByteArray& tail, std::chrono::milliseconds timeout);
    QByteArray received() const;

private:
    void loop();

    int m_fd = -1;
    int m_wake[2] = {-1, -1};
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    QByteArray m_received;
};

// A stand-in printer that reads what the program sends on one descriptor.
class ReadingPeer {
public:
    void startReading() { m_reader.start(); }
    void stopReading() { m_reader.stop(); }
    QByteArray waitForBytes(qsizetype count, std::chrono::milliseconds timeout) {
        return m_reader.waitForBytes(count, timeout);
    }
    bool waitForEnding(const QByteArray& tail, std::chrono::milliseconds timeout) {
        return m_reader.waitForEnding(tail, timeout);
    }
    QByteArray received() const { return m_reader.received(); }

protected:
    FdReader m_reader;
};
