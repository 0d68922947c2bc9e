#include <gtest/gtest.h>

#include <cstring>

#include "link/serial_line.h"

namespace {

constexpr tcflag_t kFraming = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;

// A terminal as the kernel hands it out: line editing, echo, CR/LF translation, XON/XOFF,
// 38400 bit/s, and here hardware flow control as a leftover of an earlier user.
termios CookedTerminal() {
    termios t{};
    t.c_iflag = ICRNL | IXON | IXANY | IMAXBEL | ISTRIP | INPCK;
    t.c_oflag = OPOST | ONLCR;
    t.c_lflag = ECHO | ICANON | ISIG | IEXTEN | ECHOE | ECHOK;
    t.c_cflag = CS7 | PARENB | CREAD | HUPCL | CRTSCTS;
    cfsetospeed(&t, B38400);
    cfsetispeed(&t, B38400);
    for (unsigned char& c : t.c_cc) {
        c = 0x7F;
    }
    t.c_cc[VMIN] = 1;
    return t;
}

TEST(SerialLine, FramingBecomesTheControlFlags) {
    struct Case {
        SerialFraming framing;
        tcflag_t flags;  // expected CSIZE, parity and stop bits
    };
    const Case cases[] = {
        {{8, 0, 0}, CS8},
        {{7, 0, 0}, CS7},
        {{6, 0, 0}, CS6},
        {{5, 0, 0}, CS5},
        {{8, 1, 0}, CS8 | PARENB | PARODD},
        {{8, 2, 0}, CS8 | PARENB},
        {{7, 3, 0}, CS7 | PARENB | PARODD | CMSPAR},  // mark
        {{7, 4, 0}, CS7 | PARENB | CMSPAR},           // space
        {{8, 0, 2}, CS8 | CSTOPB},
        {{6, 2, 2}, CS6 | PARENB | CSTOPB},
        {{5, 0, 1}, CS5 | CSTOPB},  // the UART's one and a half
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.framing.byteSize << "/" << c.framing.parity << "/" << c.framing.stopBits);
        const LineSettings line = MakeLineSettings(CookedTerminal(), 9600, c.framing);
        EXPECT_FALSE(line.framingRefused);
        EXPECT_EQ(line.settings.c_cflag & kFraming, c.flags);
    }
}

TEST(SerialLine, ImpossibleFramingKeepsTheOldOneButTheRestApplies) {
    const SerialFraming impossible[] = {
        {4, 0, 0},    // four data bits
        {9, 0, 0},    //
        {8, 0, 1},    // one and a half stop bits beside eight data bits
        {5, 0, 2},    // two stop bits beside five data bits
        {8, 255, 0},  // unknown parity code
        {8, 5, 0},    //
        {8, 0, 3},    // unknown stop-bits code
    };
    termios old = CookedTerminal();
    old.c_cflag = (old.c_cflag & ~kFraming) | CS7 | PARENB | PARODD | CSTOPB;
    for (const SerialFraming& framing : impossible) {
        SCOPED_TRACE(testing::Message()
                     << framing.byteSize << "/" << framing.parity << "/" << framing.stopBits);
        EXPECT_FALSE(WithFraming(old, framing).has_value());
        const LineSettings line = MakeLineSettings(old, 19200, framing);
        EXPECT_TRUE(line.framingRefused);
        EXPECT_EQ(line.settings.c_cflag & kFraming, CS7 | PARENB | PARODD | CSTOPB);
        EXPECT_EQ(cfgetospeed(&line.settings), speed_t{B19200});
        EXPECT_EQ(line.settings.c_lflag, 0u);
        EXPECT_EQ(line.settings.c_oflag, 0u);
    }
}

TEST(SerialLine, OpenSettingsAreRawWithoutFlowControl) {
    const termios cooked = CookedTerminal();
    const LineSettings line = MakeLineSettings(cooked, 9600, SerialFraming{});
    const termios& t = line.settings;
    EXPECT_EQ(t.c_iflag, 0u);  // no XON/XOFF, no parity check, no CR/LF, no stripping
    EXPECT_EQ(t.c_oflag, 0u);
    EXPECT_EQ(t.c_lflag, 0u);
    EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(t.c_cflag & (CREAD | CLOCAL), tcflag_t{CREAD | CLOCAL});
    EXPECT_EQ(t.c_cflag & HUPCL, tcflag_t{HUPCL});  // left as it was
    EXPECT_EQ(t.c_cflag & kFraming, tcflag_t{CS8});
    for (std::size_t i = 0; i < NCCS; ++i) {
        EXPECT_EQ(t.c_cc[i], 0) << "control character " << i;
    }
}

TEST(SerialLine, RatesWithAndWithoutAConstant) {
    struct Case {
        int rate;
        speed_t expectedSpeed;  // in the settings afterwards
        int customRate;
    };
    const Case cases[] = {
        {300, B300, 0},
        {1200, B1200, 0},
        {9600, B9600, 0},
        {115200, B115200, 0},
        {4000000, B4000000, 0},
        {128000, B38400, 128000},  // no constant: the old speed stays until termios2 sets it
        {250000, B38400, 250000},
        {0, B38400, 0},
        {-9600, B38400, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rate);
        const LineSettings line = MakeLineSettings(CookedTerminal(), c.rate, SerialFraming{});
        EXPECT_EQ(cfgetospeed(&line.settings), c.expectedSpeed);
        EXPECT_EQ(cfgetispeed(&line.settings), c.expectedSpeed);
        EXPECT_EQ(line.customRate, c.customRate);
    }
}

TEST(SerialLine, FlowControlList) {
    struct Case {
        int index;
        tcflag_t software;  // IXON | IXOFF expected
    };
    const Case cases[] = {{0, 0}, {1, IXON | IXOFF}, {2, 0}, {3, IXON | IXOFF}};
    termios open = MakeLineSettings(CookedTerminal(), 9600, {7, 2, 2}).settings;
    open.c_cflag |= CRTSCTS;
    open.c_iflag |= IXOFF | INPCK;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const std::optional<termios> flow = MakeFlowSettings(open, c.index);
        ASSERT_TRUE(flow.has_value());
        EXPECT_EQ(flow->c_iflag & (IXON | IXOFF | IXANY | INPCK), c.software);
        EXPECT_EQ(flow->c_cflag & CRTSCTS, 0u);
        EXPECT_EQ(flow->c_cc[VSTART], 0x11);
        EXPECT_EQ(flow->c_cc[VSTOP], 0x13);
        // Framing and speed stay as they were.
        EXPECT_EQ(flow->c_cflag & ~CRTSCTS, open.c_cflag & ~CRTSCTS);
        EXPECT_EQ(cfgetospeed(&*flow), cfgetospeed(&open));
    }
    EXPECT_FALSE(MakeFlowSettings(open, -1).has_value());
    EXPECT_FALSE(MakeFlowSettings(open, 4).has_value());
}

TEST(SerialLine, WriteBoundIsTwiceTheLineTimePlusFiveSeconds) {
    using std::chrono::milliseconds;
    EXPECT_EQ(SerialWriteBound(0, 9600, 10), milliseconds(5000));
    EXPECT_EQ(SerialWriteBound(960, 9600, 10), milliseconds(2 * 1000 + 5000));
    EXPECT_EQ(SerialWriteBound(1000, 9600, 10), milliseconds(2 * 1042 + 5000));  // rounded up
    EXPECT_EQ(SerialWriteBound(1200, 128000, 12), milliseconds(2 * 113 + 5000));
    EXPECT_EQ(SerialWriteBound(30, 0, 10), milliseconds(2 * 1000 + 5000));  // unknown: 300 bit/s
    // A large logo at a slow rate is not cut short.
    EXPECT_EQ(SerialWriteBound(1'000'000, 1200, 10), milliseconds(2 * 8'333'334LL + 5000));
}

TEST(SerialLine, BitsPerByteCountsStartParityAndStop) {
    struct Case {
        tcflag_t cflag;
        int bits;
    };
    const Case cases[] = {{CS8, 10},          {CS8 | PARENB, 11}, {CS8 | PARENB | CSTOPB, 12},
                          {CS7 | PARENB, 10}, {CS5, 7},           {CS6 | CSTOPB, 9}};
    for (const Case& c : cases) {
        termios t{};
        t.c_cflag = c.cflag;
        EXPECT_EQ(BitsPerByte(t), c.bits) << std::oct << c.cflag;
    }
}

}  // namespace
