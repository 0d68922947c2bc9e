// The one-click printer actions against a loopback network printer: the drawer's own texts, the
// samples the build ships, an empty sample.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "app/quick_actions.h"
#include "core/program_state.h"
#include "link/link_manager.h"
#include "tests/support/fake_main_window.h"
#include "tests/support/hex_text.h"
#include "tests/support/printer_peer.h"
#include "tests/support/state_guard.h"

namespace {

class QuickActionsTest : public ::testing::Test {
protected:
    void SetUp() override { g_nPortType = PORT_NET; }
    void TearDown() override { CloseAllLinks(); }

    StateGuard m_state;
    PrinterPeer m_printer;
    InstalledFakeMainWindow m_window{m_printer.hostAddress()};
};

TEST_F(QuickActionsTest, DrawerTextsReplaceTheLinkTextInBothLanguages) {
    PrinterPeer unreachable({kPrintPort}, PrinterPeer::Start::Later);
    struct Case {
        int chinese;
        quint32 printer;
        int result;
        QString text;
    };
    const Case cases[] = {
        {0, m_printer.hostAddress(), 1, "Open the cash box success"},
        {1, m_printer.hostAddress(), 1, QString::fromUtf8("开钱箱成功！")},
        {0, unreachable.hostAddress(), 0, "Failed to open the cash box"},
        {1, unreachable.hostAddress(), 0, QString::fromUtf8("开钱箱失败！")},
    };
    for (const Case& c : cases) {
        g_bChinese = c.chinese;
        m_window.setPrinterAddress(c.printer);
        EXPECT_EQ(OpenCashDrawer(), c.result);
        EXPECT_EQ(g_strStatus.get(), c.text);
    }
    ASSERT_TRUE(m_printer.waitForConnections(2, 5000));
    for (const Bytes& bytes : m_printer.receivedPerConnection()) {
        EXPECT_EQ(HexText(bytes), "1B 70 00 1E FF 00");
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
    EXPECT_EQ(HexText(perSend[0]), HexText(bytes));
    EXPECT_EQ(HexText(perSend[1]), "1D 56 42 00 0A 0A 00");
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
    EXPECT_EQ(HexText(perSend[1]), "1D 56 42 00 0A 0A 00");
}

}  // namespace
