#include "link/serial_line.h"

#include <cstring>

#include "core/program_state.h"

namespace {

constexpr tcflag_t kFramingFlags = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;

struct RateConstant {
    int rate;
    speed_t constant;
};

constexpr RateConstant kRates[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
};

std::optional<tcflag_t> DataBitsFlag(int byteSize) {
    switch (byteSize) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        case 8:
            return CS8;
        default:
            return std::nullopt;
    }
}

std::optional<tcflag_t> ParityFlags(int parity) {
    switch (parity) {
        case 0:
            return tcflag_t{0};
        case 1:
            return tcflag_t{PARENB | PARODD};
        case 2:
            return tcflag_t{PARENB};
        case 3:
            return tcflag_t{PARENB | CMSPAR | PARODD};  // stick parity, always 1
        case 4:
            return tcflag_t{PARENB | CMSPAR};  // stick parity, always 0
        default:
            return std::nullopt;
    }
}

std::optional<tcflag_t> StopBitsFlag(int stopBits, int byteSize) {
    switch (stopBits) {
        case 0:
            return tcflag_t{0};
        case 1:  // one and a half exists only beside 5 data bits
            return byteSize == 5 ? std::optional<tcflag_t>(CSTOPB) : std::nullopt;
        case 2:
            return byteSize == 5 ? std::nullopt : std::optional<tcflag_t>(CSTOPB);
        default:
            return std::nullopt;
    }
}

}  // namespace

SerialFraming CurrentSerialFraming() {
    return SerialFraming{g_nByteSize.load(), g_nParity.load(), g_nStopBits.load()};
}

std::optional<termios> WithFraming(const termios& current, const SerialFraming& framing) {
    const auto dataBits = DataBitsFlag(framing.byteSize);
    const auto parity = ParityFlags(framing.parity);
    const auto stopBits = StopBitsFlag(framing.stopBits, framing.byteSize);
    if (!dataBits || !parity || !stopBits) {
        return std::nullopt;
    }
    termios settings = current;
    settings.c_cflag &= ~kFramingFlags;
    settings.c_cflag |= *dataBits | *parity | *stopBits;
    return settings;
}

std::optional<speed_t> SpeedConstant(int rate) {
    for (const RateConstant& entry : kRates) {
        if (entry.rate == rate) {
            return entry.constant;
        }
    }
    return std::nullopt;
}

LineSpeed ApplySpeed(termios& settings, int rate) {
    if (rate <= 0) {
        return {};
    }
    const std::optional<speed_t> constant = SpeedConstant(rate);
    if (!constant) {
        return {false, rate};
    }
    cfsetospeed(&settings, *constant);
    cfsetispeed(&settings, *constant);
    settings.c_cflag &= ~CIBAUD;  // input speed follows the output speed
    return {true, 0};
}

LineSettings MakeLineSettings(const termios& current, int rate, const SerialFraming& framing) {
    termios raw = current;
    raw.c_iflag = 0;  // no parity checking, no flow control, no translation, no stripping
    raw.c_oflag = 0;  // bytes go out as they are
    raw.c_lflag = 0;  // no echo, no line editing, no signals
    raw.c_cflag &= ~CRTSCTS;
    raw.c_cflag |= CREAD | CLOCAL;
    std::memset(raw.c_cc, 0, sizeof raw.c_cc);  // VMIN 0, VTIME 0: reads never wait

    LineSettings line;
    const std::optional<termios> framed = WithFraming(raw, framing);
    line.framingRefused = !framed;
    line.settings = framed.value_or(raw);
    line.customRate = ApplySpeed(line.settings, rate).customRate;
    return line;
}

std::optional<termios> MakeFlowSettings(const termios& current, int listIndex) {
    if (listIndex < 0 || listIndex > 3) {
        return std::nullopt;
    }
    termios settings = current;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | PARMRK | IGNPAR | ISTRIP);
    if (listIndex == 1 || listIndex == 3) {
        settings.c_iflag |= IXON | IXOFF;
    }
    settings.c_cflag &= ~CRTSCTS;
    settings.c_cc[VSTART] = kXon;
    settings.c_cc[VSTOP] = kXoff;
    return settings;
}

int BitsPerByte(const termios& settings) {
    int dataBits = 8;
    switch (settings.c_cflag & CSIZE) {
        case CS5:
            dataBits = 5;
            break;
        case CS6:
            dataBits = 6;
            break;
        case CS7:
            dataBits = 7;
            break;
        default:
            break;
    }
    const int parityBits = (settings.c_cflag & PARENB) ? 1 : 0;
    const int stopBits = (settings.c_cflag & CSTOPB) ? 2 : 1;
    return 1 + dataBits + parityBits + stopBits;
}

std::chrono::milliseconds SerialWriteBound(long long count, int rate, int bitsPerByte) {
    constexpr int kUnknownRate = 300;
    const long long bitsPerSecond = rate > 0 ? rate : kUnknownRate;
    const long long lineMs = (count * bitsPerByte * 1000 + bitsPerSecond - 1) / bitsPerSecond;
    return std::chrono::milliseconds(2 * lineMs + 5000);
}
