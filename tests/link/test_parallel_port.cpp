#include <gtest/gtest.h>

#include <QFile>
#include <chrono>

#include "link/link_handles.h"
#include "link/parallel_port.h"
#include "link/serial_port.h"
#include "tests/support/fifo_printer.h"
#include "tests/support/state_guard.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using std::chrono::seconds;

const std::uint8_t* Data(const QByteArray& bytes) {
    return reinterpret_cast<const std::uint8_t*>(bytes.constData());
}

QByteArray Pattern(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i * 13 + 1);
    }
    return bytes;
}

class ParallelPortTest : public testing::Test {
protected:
    void TearDown() override { CloseLinkHandle(m_fd); }

    StateGuard m_state;
    FifoPrinter m_printer{m_state.dir() + QStringLiteral("/lp0")};
    int m_fd = INVALID_HANDLE;
};

TEST_F(ParallelPortTest, ReadingPrinterGetsEveryByte) {
    ASSERT_TRUE(m_printer.isOpen());
    m_fd = LptOpen(m_printer.path());
    ASSERT_NE(m_fd, INVALID_HANDLE);
    m_printer.startReading();
    const QByteArray bytes = Pattern(50'000);  // many times the pipe's buffer
    EXPECT_NE(LptWrite(m_fd, Data(bytes), static_cast<int>(bytes.size())), 0);
    EXPECT_EQ(m_printer.waitForBytes(bytes.size(), seconds(5)).toHex(), bytes.toHex());
    EXPECT_NE(LptWrite(m_fd, nullptr, 0), 0);  // a zero-length write is accepted
}

TEST_F(ParallelPortTest, StalledPrinterFailsAfterTwoSecondsAndAMillisecondPerByte) {
    ASSERT_TRUE(m_printer.isOpen());
    m_fd = LptOpen(m_printer.path());
    ASSERT_NE(m_fd, INVALID_HANDLE);
    const QByteArray bytes = Pattern(5000);  // more than the printer takes without reading
    const milliseconds bound = ParallelWriteBound(bytes.size());
    ASSERT_EQ(bound, milliseconds(7000));

    const auto started = Clock::now();
    EXPECT_EQ(LptWrite(m_fd, Data(bytes), static_cast<int>(bytes.size())), 0);
    const auto took = Clock::now() - started;
    EXPECT_GE(took, bound - milliseconds(50));
    EXPECT_LT(took, bound + seconds(5));  // given up, not retried for ever
}

TEST_F(ParallelPortTest, PrinterGoneFailsTheWriteAndTheProgramLives) {
    ASSERT_TRUE(m_printer.isOpen());
    m_fd = LptOpen(m_printer.path());
    ASSERT_NE(m_fd, INVALID_HANDLE);
    m_printer.unplug();
    const QByteArray bytes = Pattern(100);
    const auto started = Clock::now();
    EXPECT_EQ(LptWrite(m_fd, Data(bytes), 100), 0);
    EXPECT_LT(Clock::now() - started, seconds(1));  // a broken link is no reason to wait
}

TEST_F(ParallelPortTest, OpenFailsWithoutAPrinter) {
    m_printer.unplug();  // a pipe nobody reads: nothing is there to print
    EXPECT_EQ(LptOpen(m_printer.path()), INVALID_HANDLE);
    EXPECT_EQ(LptOpen(m_state.dir() + QStringLiteral("/lp7")), INVALID_HANDLE);
    EXPECT_EQ(LptOpen(QStringLiteral("PRN")), INVALID_HANDLE);
    if (!QFile::exists(QStringLiteral("/dev/lp8"))) {
        EXPECT_EQ(LptOpen(QStringLiteral("LPT9")), INVALID_HANDLE);
    }
    EXPECT_EQ(LptWrite(INVALID_HANDLE, Data("A"), 1), 0);
}

}  // namespace
