// The one-click buttons of the main window against a printer on the loopback network, the
// About box, and what the links and workers get from the window.

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <thread>

#include "app/about_dialog.h"
#include "app/main_commands.h"
#include "core/program_state.h"
#include "main_window_fixture.h"
#include "tests/support/printer_peer.h"
#include "ui/caption_frame.h"
#include "ui/ip_address_edit.h"

namespace {

QByteArray Hex(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()))
        .toHex(' ');
}

class MainWindowPrinterTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeIni(QStringLiteral("[Printer Address]\nIP=%1\n[Printer Set]\nPort Select=3\n")
                     .arg(printer.addressText())
                     .toUtf8()
                     .constData());
        start();
    }

    // What the printer has received once `count` bytes are there.
    QByteArray receivedAfter(std::size_t count) {
        EXPECT_TRUE(printer.waitForBytes(count, 5000));
        return Hex(printer.received());
    }

    PrinterPeer printer;
};

TEST_F(MainWindowPrinterTest, CutPaperSendsTheCutAndLeavesTheStatusLineAlone) {
    ctl<QPushButton>(1027)->click();
    EXPECT_EQ(receivedAfter(7), QByteArray("1d 56 42 00 0a 0a 00"));
    EXPECT_EQ(ctl<QLineEdit>(1105)->text(), QStringLiteral("状态栏:  实时显示打印状态！"));
}

TEST_F(MainWindowPrinterTest, CashDrawerShowsItsOwnResult) {
    ctl<QPushButton>(1026)->click();
    EXPECT_EQ(receivedAfter(6), QByteArray("1b 70 00 1e ff 00"));
    EXPECT_EQ(ctl<QLineEdit>(1105)->text(), QStringLiteral("开钱箱成功！"));

    // A blank printer address is never connected to.
    ctl<IpAddressEdit>(1011)->clear();
    ctl<QAbstractButton>(1069)->click();  // English
    ctl<QPushButton>(1026)->click();
    EXPECT_EQ(ctl<QLineEdit>(1105)->text(), QStringLiteral("Failed to open the cash box"));
}

// The sample of the selected model, then the cut; a missing sample is reported and nothing
// is sent.
TEST_F(MainWindowPrinterTest, TraditionalSampleOfTheSelectedModel) {
    ASSERT_TRUE(QDir(guard.dir()).mkpath(QStringLiteral("Text_Sample")));
    QFile sample(guard.dir() + QStringLiteral("/Text_Sample/Traditional_76.qvd"));
    ASSERT_TRUE(sample.open(QIODevice::WriteOnly));
    sample.write("\xc1\x63\xc5\xe9\n");
    sample.close();

    ctl<QRadioButton>(1005)->click();  // POS-76
    ctl<QPushButton>(1028)->click();
    EXPECT_EQ(receivedAfter(12), QByteArray("c1 63 c5 e9 0a 1d 56 42 00 0a 0a 00"));
    EXPECT_TRUE(ui.boxes.empty());

    printer.clearReceived();
    ctl<QRadioButton>(1004)->click();  // POS-58: no file
    ctl<QPushButton>(1028)->click();
    EXPECT_EQ(ui.lastText(),
              QStringLiteral("没有找到 %1。")
                  .arg(guard.dir() + QStringLiteral("/Text_Sample/Traditional_58.qvd")));
    EXPECT_FALSE(printer.waitForBytes(1, 300));
}

// After a port radio has closed every link, the next send opens the chosen one again.
TEST_F(MainWindowPrinterTest, NextSendAfterAPortChangeOpensTheChosenLink) {
    ctl<QRadioButton>(1000)->click();
    ctl<QRadioButton>(1003)->click();
    ctl<QPushButton>(1027)->click();
    EXPECT_EQ(receivedAfter(7), QByteArray("1d 56 42 00 0a 0a 00"));
}

// The printer address the links read is the field as last edited, also from another thread.
TEST_F(MainWindowTest, PrinterAddressFieldFollowsEditsAndStatusComesFromWorkers) {
    start();
    ctl<IpAddressEdit>(1011)->setAddress(0x0A000102);
    std::uint32_t seen = 0;
    std::thread worker([&] {
        seen = window->printerAddressField();
        window->showStatusText(QStringLiteral("from a worker"));
    });
    worker.join();
    EXPECT_EQ(seen, 0x0A000102u);
    QCoreApplication::processEvents();
    EXPECT_EQ(ctl<QLineEdit>(1105)->text(), QStringLiteral("from a worker"));
}

TEST_F(MainWindowTest, AboutBoxFromTheHelpMenu) {
    start();
    QString name;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        for (const QLabel* label : about->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                name = name.isEmpty() ? label->text() : name;
            }
        }
        FindControl<QPushButton>(about, 1)->click();
    });
    window->menuAction(ID_APP_ABOUT, false)->trigger();
    EXPECT_EQ(title, QStringLiteral("About Velmoria"));
    EXPECT_EQ(name, QStringLiteral("Velmoria，V3.0C"));
    EXPECT_TRUE(window->isVisible());
}

// The caption's icon opens the window menu; its last item is the About box.
TEST_F(MainWindowTest, WindowMenuOfTheCaptionIconOffersTheAboutBox) {
    start();
    QStringList items;
    bool aboutShown = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                items << action->text();
            }
        }
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            aboutShown = about != nullptr;
            if (about) {
                about->accept();
            }
        });
        menu->actions().last()->trigger();
        menu->close();
    });
    emit window->chrome()->iconClicked(window->mapToGlobal(QPoint(8, 8)));
    EXPECT_EQ(items,
              (QStringList{QStringLiteral("还原(&R)"), QStringLiteral("最小化(&N)"),
                           QStringLiteral("关闭(&C)"), QStringLiteral("关于 QUENLOR(&A)...")}));
    EXPECT_TRUE(aboutShown);
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
