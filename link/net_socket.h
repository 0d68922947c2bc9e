#pragma once

// The TCP socket layer every network feature uses: the print link (port 9100), address
// assignment, the connection test and the status monitor (port 4000). Each operation works on
// a socket variable owned by the caller and changes it in place; INVALID_SOCKET means "not
// connected". The functions keep no state of their own, so threads may use them at the same
// time on different variables.

#include <netinet/in.h>
#include <sys/time.h>

#include <chrono>
#include <cstdint>

#include "link/link_handles.h"

// NetConnect results.
namespace net_connect {
inline constexpr int kConnected = 1;
inline constexpr int kNoSocket = -1;       // no socket could be created
inline constexpr int kNoNonBlocking = -2;  // the socket could not be made non-blocking
inline constexpr int kTimedOut = -3;       // the last attempt timed out
inline constexpr int kWaitFailed = -4;     // the last attempt was refused or failed
}  // namespace net_connect

inline constexpr int kNetConnectAttempts = 3;
inline constexpr std::chrono::milliseconds kNetRetryPause{500};

// How long NetSend waits for the peer to take more bytes before it gives up. A printer reads
// as it prints, so its receive window reopens within a fraction of a second; even storing a
// logo in flash keeps it from reading for only a few seconds. Ten seconds without a single
// byte accepted means it is not coming back (paper out, cover open, powered off), and the
// caller must hear so rather than hang.
inline constexpr std::chrono::milliseconds kNetSendStallLimit{10000};

// Prepares the process for sockets: a peer that closes its end must not kill the program with
// SIGPIPE. Always 1 (there is no socket library to start).
int NetStartup();

// Counterpart of NetStartup; nothing to undo.
void NetCleanup();

// Connects a new non-blocking TCP socket to the address (network byte order) and stores it in
// sock. Up to three attempts, each waiting at most timeout; before the second and third the
// ARP entries of the interface holding the address are flushed, and 500 ms pass between
// attempts. Results: 1 connected (sock holds the socket, still non-blocking), -1 no socket
// could be created, -2 it could not be made non-blocking, -3 the last attempt timed out, -4 the
// last attempt was refused or failed. On every result but 1 sock is INVALID_SOCKET and no
// socket stays open. A socket still held in sock on entry is closed first.
// Address 0.0.0.0 (a blank address field) is never connected to - Linux would reach this very
// machine - and gives -3 at once.
int NetConnect(SOCKET& sock, const sockaddr_in& address, timeval timeout);

// Sends every byte: returns count once the system has taken them all, or -1 when the peer
// closes or resets the connection, the socket is unusable, or the peer takes no byte for
// kNetSendStallLimit. A count of 0 sends nothing and gives 0 on a usable socket.
int NetSend(SOCKET& sock, const std::uint8_t* bytes, int count);

// The same with a chosen stall limit.
int NetSend(SOCKET& sock, const std::uint8_t* bytes, int count,
            std::chrono::milliseconds stallLimit);

// One receive without waiting: the number of bytes received, 0 if the peer has closed, -1 when
// nothing has arrived or on failure.
int NetRecv(SOCKET& sock, std::uint8_t* buffer, int size);

// Closes the socket: -1 (and nothing done) if sock is already invalid, otherwise the close
// result (0 on success). sock is invalid afterwards.
int NetClose(SOCKET& sock);
