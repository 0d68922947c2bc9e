// Long run: auto-send every millisecond against a loopback printer while the test keeps
// clicking the window's other buttons and switching the language. Nothing may crash, every
// status line text must be one whole message, and every count must reach the status line in
// order.
//
// The normal suite runs it for a few seconds; TARNWICK_STRESS_SECONDS sets the length (the
// full run is 30 s: TARNWICK_STRESS_SECONDS=30 app_tests --gtest_filter='*Stress*').

#include <QCheckBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <cstdio>
#include <functional>

#include "app/auto_send.h"
#include "app/language_texts.h"
#include "app/main_commands.h"
#include "app/main_controls.h"
#include "app/quick_action_messages.h"
#include "app/send_messages.h"
#include "core/program_state.h"
#include "link/link_messages.h"
#include "main_window_fixture.h"
#include "tests/support/printer_peer.h"
#include "ui/up_down.h"

namespace {

int StressSeconds() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("TARNWICK_STRESS_SECONDS", &ok);
    return ok && seconds > 0 ? seconds : 3;
}

// Every whole text the status line may show during the run, in both languages.
QSet<QString> WholeTexts() {
    using namespace link_messages;
    using namespace quick_action_messages;
    const Message messages[] = {kNetConnected, kNetConnectFailed, kNetSent,       kNetSendFailed,
                                kDrawerOpened, kDrawerFailed,     kStatusGreeting};
    QSet<QString> texts;
    for (const Message& message : messages) {
        texts << Text(message, true) << Text(message, false);
    }
    return texts;
}

class AutoSendStressTest : public MainWindowTest {
protected:
    PrinterPeer printer;
};

TEST_F(AutoSendStressTest, OneMillisecondAutoSendWhileOtherButtonsAreClicked) {
    writeIni(QStringLiteral("[Printer Address]\nIP=%1\n[Printer Set]\nPort Select=3\n")
                 .arg(printer.addressText())
                 .toUtf8()
                 .constData());
    start();
    QStringList shown;
    auto* status = ctl<QLineEdit>(IDC_STATUS);
    QObject::connect(status, &QLineEdit::textChanged, [&](const QString& text) { shown << text; });

    ctl<QLineEdit>(IDC_PERIOD)->setText("1");
    QTest::mouseClick(ctl<QCheckBox>(IDC_AUTO_SEND), Qt::LeftButton);
    ASSERT_EQ(g_bAutoSendRun, 1);

    // The other buttons, in turn, as fast as the window takes them.
    const std::function<void()> clicks[] = {
        [&] { window->runCommand(IDC_CUT_PAPER); },
        [&] { window->runCommand(IDC_CASH_DRAWER); },
        [&] { QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier); },  // Print
        [&] { ctl<UpDown>(IDC_REPEAT_SPIN)->stepUp(); },
        [&] { ctl<UpDown>(IDC_REPEAT_SPIN)->stepDown(); },
        [&] { window->runCommand(g_bChinese ? ID_LANG_ENGLISH : ID_LANG_CHINESE); },
        [&] { QTest::mouseClick(ctl<QCheckBox>(IDC_HEX), Qt::LeftButton); },
    };
    const QDeadlineTimer deadline(StressSeconds() * 1000);
    int clicked = 0;
    while (!deadline.hasExpired()) {
        clicks[clicked % std::size(clicks)]();
        ++clicked;
        QTest::qWait(5);
    }
    QTest::mouseClick(ctl<QCheckBox>(IDC_AUTO_SEND), Qt::LeftButton);
    ASSERT_EQ(g_bAutoSendRun, 0);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return status->text().startsWith(Text(send_messages::kAutoSendExit, true)) ||
                   status->text().startsWith(Text(send_messages::kAutoSendExit, false));
        },
        15000));

    // Every text is whole: a known message, a count, or the exit text before one of them.
    const QSet<QString> whole = WholeTexts();
    const QRegularExpression count(QStringLiteral("^(?:发送次数: |The number of sent: )(\\d+)$"));
    const QString exitZh = Text(send_messages::kAutoSendExit, true);
    const QString exitEn = Text(send_messages::kAutoSendExit, false);
    int lastCount = 0;
    int exits = 0;
    for (QString text : shown) {
        if (text.startsWith(exitZh) || text.startsWith(exitEn)) {
            text = text.mid(text.startsWith(exitZh) ? exitZh.size() : exitEn.size());
            ++exits;
        }
        const auto match = count.match(text);
        if (match.hasMatch()) {
            const int n = match.captured(1).toInt();
            // Counts arrive in order, none missing (the exit text may repeat the last one).
            EXPECT_TRUE(n == lastCount + 1 || (exits > 0 && n == lastCount)) << n;
            lastCount = qMax(lastCount, n);
            continue;
        }
        EXPECT_TRUE(whole.contains(text)) << "torn or unknown: " << text.toStdString();
    }
    EXPECT_EQ(exits, 1);
    EXPECT_GT(lastCount, 0);
    EXPECT_GT(clicked, 10);
    RecordProperty("auto_sends", lastCount);
    RecordProperty("clicks", clicked);
    std::printf("auto-send: %d sends, %d clicks in %d s\n", lastCount, clicked, StressSeconds());
}

}  // namespace
