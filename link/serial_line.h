#pragma once

// How the serial port's settings are built: pure functions from the port's current termios
// settings and the values asked for to the settings to write. No I/O here.

#include <termios.h>

#include <chrono>
#include <optional>

// Data bits, parity and stop bits as the port options keep them.
struct SerialFraming {
    int byteSize = 8;  // data bits
    int parity = 0;    // 0 none, 1 odd, 2 even, 3 mark, 4 space
    int stopBits = 0;  // 0 one, 1 one and a half, 2 two
};

// The framing chosen in the port options (g_nByteSize, g_nParity, g_nStopBits).
SerialFraming CurrentSerialFraming();

// current with the framing replaced; nullopt when the line cannot do it: data bits outside 5..8,
// an unknown parity or stop-bits code, one and a half stop bits with more than 5 data bits, two
// stop bits with 5 (on a UART, 5 data bits with the two-stop flag give one and a half).
std::optional<termios> WithFraming(const termios& current, const SerialFraming& framing);

// The Bxxx constant for a rate, or nullopt when termios has none (128000 for example); rates
// of 0 and below have none either.
std::optional<speed_t> SpeedConstant(int rate);

// How a rate goes onto a line: with its constant in the termios settings, or, without one,
// through termios2 after the settings are written.
struct LineSpeed {
    bool inSettings = false;  // the settings carry the rate
    int customRate = 0;       // > 0: to be set through termios2
};

// Sets the rate in settings where a constant exists (input speed follows the output speed).
// A rate of 0 or below is refused: the settings keep their speed and both fields stay unset.
LineSpeed ApplySpeed(termios& settings, int rate);

// What an open writes.
struct LineSettings {
    termios settings{};
    bool framingRefused = false;  // the framing asked for is impossible; the old one is kept
    int customRate = 0;           // > 0: set through termios2 after the settings
};

// The settings an open writes: raw bytes (no echo, no line editing, no translation, no
// signals), receiver on, modem status ignored, no flow control of either kind, every control
// character cleared, non-blocking reads, the rate, and the framing. An impossible framing keeps
// the framing of current; everything else is still applied.
LineSettings MakeLineSettings(const termios& current, int rate, const SerialFraming& framing);

// The flow-control list: 0 "None" and 2 "RTS" turn software flow control off, 1 "Xon/Xoff"
// and 3 "RTS/XonXoff" turn it on for output and input; hardware flow control and parity
// checking go off, XON becomes 0x11 and XOFF 0x13. Nothing else changes. nullopt for any other
// index.
std::optional<termios> MakeFlowSettings(const termios& current, int listIndex);

inline constexpr unsigned char kXon = 0x11;
inline constexpr unsigned char kXoff = 0x13;

// Bits on the line for each byte with these settings: start, data, parity, stop.
int BitsPerByte(const termios& settings);

// How long a write of count bytes may take before it is given up: twice the time the bytes
// take on the line plus 5 s. An unknown rate (0 or below) counts as 300 bit/s.
std::chrono::milliseconds SerialWriteBound(long long count, int rate, int bitsPerByte);
