#pragma once

// A network printer for tests: TCP servers on a loopback address of their own, run by a thread
// of their own (so they serve while the test thread is blocked in a connect or a send). It
// records every byte received, counts connections, and can be made to start listening late,
// read slowly, stop reading, close a connection after some bytes, drop its connections, and
// answer requests (the configuration port's status polls).
//
// One peer may serve several ports of one printer on one address, e.g.
//     PrinterPeer printer({kPrintPort, kConfigPort});
// Every per-port accessor takes the port; 0 (the default) means the first port given.

#include <netinet/in.h>

#include <QString>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "core/bytes.h"
#include "core/program_state.h"

class PrinterPeer {
public:
    // Gets the bytes of one read and returns the reply to write back (empty: none). A request
    // the client writes in one call normally arrives in one read. Runs on the peer's thread.
    using Responder = std::function<Bytes(const Bytes& request)>;

    enum class Start { Listening, Later };

    // Takes a free 127.0.0.N where every port is free. With Start::Later the ports are
    // reserved but refuse connections until startListening(). Throws std::runtime_error when
    // no address is free.
    explicit PrinterPeer(std::vector<std::uint16_t> ports = {kPrintPort},
                         Start start = Start::Listening);
    ~PrinterPeer();
    PrinterPeer(const PrinterPeer&) = delete;
    PrinterPeer& operator=(const PrinterPeer&) = delete;

    // Begins accepting on every port (for Start::Later). False if listen() failed.
    bool startListening();

    // Where the printer is.
    std::uint32_t hostAddress() const { return m_hostAddress; }  // host byte order, 0x7F00000N
    QString addressText() const;                                 // "127.0.0.N"
    sockaddr_in address(std::uint16_t port = 0) const;           // network byte order

    // What arrived on a port: every byte in order of arrival, or per accepted connection.
    // clearReceived() forgets everything so far; connections open at that moment stay listed
    // (empty) and go on recording.
    Bytes received(std::uint16_t port = 0) const;
    std::vector<Bytes> receivedPerConnection(std::uint16_t port = 0) const;
    std::size_t receivedCount(std::uint16_t port = 0) const;  // also counts unrecorded bytes
    void clearReceived();

    // Connections accepted so far, and those still open.
    int connectionCount(std::uint16_t port = 0) const;
    int openConnectionCount(std::uint16_t port = 0) const;

    // Wait until the condition holds; false when the time-out passed first.
    bool waitForBytes(std::size_t count, int timeoutMs, std::uint16_t port = 0) const;
    bool waitForConnections(int count, int timeoutMs, std::uint16_t port = 0) const;
    bool waitForOpenConnections(int count, int timeoutMs, std::uint16_t port = 0) const;

    // Behaviour of a port, from its next read on.
    void setResponder(Responder responder, std::uint16_t port = 0);
    void setReadRate(std::size_t bytesPerSecond, std::uint16_t port = 0);  // 0: full speed
    void setReadPaused(bool paused, std::uint16_t port = 0);  // the sender's window fills up
    // Closes each connection once it has delivered this many bytes (0: never). Bytes beyond
    // them are not read, so the sender sees a reset.
    void setCloseAfter(std::size_t bytes, std::uint16_t port = 0);
    // Off: bytes are counted but not kept (long benchmark runs).
    void setRecording(bool on, std::uint16_t port = 0);

    // Closes every open connection on every port; returns when they are closed. Not from a
    // responder.
    void dropConnections();

private:
    struct Port;
    struct Connection;

    Port& port(std::uint16_t number);
    const Port& port(std::uint16_t number) const;
    template <typename Pred>
    bool waitFor(int timeoutMs, Pred pred) const;
    void wake();
    void run();
    void serveOnce();
    bool readFrom(Connection& connection);
    void closeConnection(std::size_t index);

    std::uint32_t m_hostAddress = 0;
    std::vector<std::unique_ptr<Port>> m_ports;
    std::vector<Connection> m_connections;  // peer thread only
    int m_wakeFd = -1;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    bool m_stop = false;
    int m_dropsRequested = 0;
    int m_dropsDone = 0;
    std::thread m_thread;
};
