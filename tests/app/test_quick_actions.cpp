// The one-click printer actions against a loopback network printer.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "app/quick_actions.h"
#include "core/program_state.h"
#include "link/link_manager.h"
#include "tests/support/printer_peer.h"
#include "tests/support/state_guard.h"
#include "tests/support/status_recorder.h"

namespace {

QString Hex(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))
        .toHex(' ')
        .toUpper();
}

QString Hex(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

class QuickActionsTest : public ::testing::Test {
protected:
    void SetUp() override { g_nPortType = PORT_NET; }
    void TearDown() override { CloseAllLinks(); }

    StateGuard m_state;
    PrinterPeer m_printer;
    StatusRecorder m_window{m_printer.hostAddress()};
};

TEST_F(QuickActionsTest, CutAndDrawerSendTheirBytes) {
    g_bChinese = 0;
    EXPECT_EQ(CutPaper(), 1);
    EXPECT_EQ(g_strStatus.get(), "Network send data successfully");
    EXPECT_EQ(OpenCashDrawer(), 1);
    EXPECT_EQ(g_strStatus.get(), "Open the cash box success");
    g_bChinese = 1;
    EXPECT_EQ(OpenCashDrawer(), 1);
    EXPECT_EQ(g_strStatus.get(), QString::fromUtf8("开钱箱成功！"));

    ASSERT_TRUE(m_printer.waitForBytes(7 + 6 + 6, 5000));
    const auto perSend = m_printer.receivedPerConnection();
    ASSERT_EQ(perSend.size(), 3u);
    EXPECT_EQ(Hex(perSend[0]), "1D 56 42 00 0A 0A 00");
    EXPECT_EQ(Hex(perSend[1]), "1B 70 00 1E FF 00");
    EXPECT_EQ(Hex(perSend[2]), "1B 70 00 1E FF 00");
    EXPECT_TRUE(m_window.shown().isEmpty());  // showing is left to the window
}

TEST_F(QuickActionsTest, DrawerFailureReplacesTheLinkText) {
    PrinterPeer unreachable({kPrintPort}, PrinterPeer::Start::Later);
    m_window.setPrinterAddress(unreachable.hostAddress());
    for (int chinese : {0, 1}) {
        g_bChinese = chinese;
        EXPECT_EQ(OpenCashDrawer(), 0);
        EXPECT_EQ(g_strStatus.get(), chinese ? QString::fromUtf8("开钱箱失败！")
                                             : QString("Failed to open the cash box"));
    }
    EXPECT_EQ(unreachable.connectionCount(), 0);
}

TEST_F(QuickActionsTest, Pos76SampleIsSentByteForByteThenTheCut) {
    // The samples the build copies beside the executable.
    const QString appDir = QCoreApplication::applicationDirPath();
    QFile sample(appDir + "/Text_Sample/Traditional_76.qvd");
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray bytes = sample.readAll();
    ASSERT_FALSE(bytes.isEmpty());

    QString error;
    EXPECT_EQ(SendTraditionalSample(appDir, MODEL_POS76, &error), 1);
    EXPECT_TRUE(error.isEmpty());
    ASSERT_TRUE(m_printer.waitForBytes(std::size_t(bytes.size()) + 7, 5000));
    const auto perSend = m_printer.receivedPerConnection();
    ASSERT_EQ(perSend.size(), 2u);
    EXPECT_EQ(Hex(perSend[0]), Hex(bytes));
    EXPECT_EQ(Hex(perSend[1]), "1D 56 42 00 0A 0A 00");
}

TEST_F(QuickActionsTest, EmptySampleIsAZeroLengthSendThenTheCut) {
    QDir(m_state.dir()).mkpath("Text_Sample");
    QFile(m_state.dir() + "/Text_Sample/Traditional_58.qvd").open(QIODevice::WriteOnly);

    QString error;
    EXPECT_EQ(SendTraditionalSample(m_state.dir(), MODEL_POS58, &error), 1);
    ASSERT_TRUE(m_printer.waitForBytes(7, 5000));
    ASSERT_TRUE(m_printer.waitForConnections(2, 5000));
    const auto perSend = m_printer.receivedPerConnection();
    ASSERT_EQ(perSend.size(), 2u);
    EXPECT_TRUE(perSend[0].empty());
    EXPECT_EQ(Hex(perSend[1]), "1D 56 42 00 0A 0A 00");
}

TEST_F(QuickActionsTest, MissingSampleNamesThePathAndSendsNothing) {
    QString error;
    EXPECT_EQ(SendTraditionalSample(m_state.dir(), MODEL_POS80, &error), -1);
    EXPECT_EQ(error,
              QString::fromUtf8("没有找到 %1/Text_Sample/Traditional_80.qvd。").arg(m_state.dir()));
    EXPECT_EQ(m_printer.connectionCount(), 0);
}

}  // namespace
