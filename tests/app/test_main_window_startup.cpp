// Start-up of the main window from Printer.ini, and the file it leaves at exit.

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/main_controls.h"
#include "core/program_state.h"
#include "main_window_fixture.h"
#include "ui/ip_address_edit.h"

namespace {

int CheckedRadio(const CQUENLORDlg& window, int first, int last) {
    for (int id = first; id <= last; ++id) {
        if (FindControl<QRadioButton>(&window, id)->isChecked()) {
            return id;
        }
    }
    return -1;
}

struct StartCase {
    const char* name;
    const char* ini;       // nullptr: no file
    int portRadio;         // checked port radio, -1 none
    int portType;          // g_nPortType
    bool listsEnabled[4];  // 1007, 1008, 1009, 1021
    int baudIndex;
    int baudRate;
    int lptIndex;
    const char* lptName;  // g_strLptName
};

const StartCase kStartCases[] = {
    {"no settings file", nullptr, 1003, 3, {false, false, false, false}, 3, 9600, 0, "LPT1"},
    // No radio matches: no port type, and the lists keep the state they were built with.
    {"port select 7",
     "[Printer Set]\nPort Select=7\n",
     -1,
     -1,
     {true, true, true, true},
     3,
     9600,
     0,
     "LPT1"},
    {"serial port",
     "[Printer Set]\nPort Select=1\n",
     1001,
     1,
     {false, true, true, true},
     3,
     9600,
     0,
     "LPT1"},
    // A rate the list does not offer: no selection, but the serial link uses it.
    {"baud rate 300",
     "[Printer Set]\nBaudRate Select=300\n",
     1003,
     3,
     {false, false, false, false},
     -1,
     300,
     0,
     "LPT1"},
    // A port the list does not offer: no selection and no name.
    {"lpt5",
     "[Port Name]\nLpt Name=LPT5\n[Printer Set]\nPort Select=0\n",
     1000,
     0,
     {true, false, false, false},
     3,
     9600,
     -1,
     ""},
};

TEST_F(MainWindowTest, StartsFromTheSettingsFile) {
    for (const StartCase& c : kStartCases) {
        SCOPED_TRACE(c.name);
        QFile::remove(iniPath());
        if (c.ini) {
            writeIni(c.ini);
        }
        start();
        EXPECT_EQ(CheckedRadio(*window, 1000, 1003), c.portRadio);
        EXPECT_EQ(g_nPortType.load(), c.portType);
        const int lists[] = {1007, 1008, 1009, 1021};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(ctl(lists[i])->isEnabled(), c.listsEnabled[i]) << lists[i];
        }
        EXPECT_EQ(ctl<QComboBox>(1009)->currentIndex(), c.baudIndex);
        EXPECT_EQ(g_nBaudRate.load(), c.baudRate);
        EXPECT_EQ(ctl<QComboBox>(1007)->currentIndex(), c.lptIndex);
        EXPECT_EQ(g_strLptName.get(), QString::fromUtf8(c.lptName));
        EXPECT_TRUE(ui.boxes.empty()) << ui.lastText().toStdString();
        finish();
    }
}

TEST_F(MainWindowTest, FirstStartShowsTheDefaults) {
    start();
    EXPECT_EQ(CheckedRadio(*window, 1004, 1006), 1006);
    EXPECT_EQ(g_nPrinterModel.load(), 2);
    EXPECT_EQ(ctl<QComboBox>(1009)->currentText(), QStringLiteral("9600"));
    EXPECT_EQ(ctl<QComboBox>(1008)->currentText(), QStringLiteral("COM1"));
    EXPECT_EQ(ctl<QComboBox>(1021)->currentText(), QStringLiteral("RTS"));
    EXPECT_EQ(ctl<IpAddressEdit>(1011)->address(), 0xC0A87B64u);
    EXPECT_EQ(ctl<IpAddressEdit>(1012)->address(), 0xC0A80164u);  // 192.168.1.100
    EXPECT_EQ(window->printerAddressField(), 0xC0A87B64u);
    EXPECT_EQ(HostAddress(g_addrPrinter.get()), 0xC0A87B64u);
    EXPECT_EQ(HostAddress(g_addrMonitor.get()), 0xC0A87B64u);
    EXPECT_EQ(ntohs(g_addrPrinter.get().sin_port), 9100);
    EXPECT_EQ(ntohs(g_addrMonitor.get().sin_port), 4000);
    EXPECT_EQ(g_pMainDlg.load(), window.get());
    EXPECT_EQ(g_strAppDir.get(), guard.dir());
    // Chinese texts, the greeting in the content field and the status line.
    EXPECT_EQ(ctl<QAbstractButton>(1069)->text(), QStringLiteral("English"));
    EXPECT_EQ(ctl<QAbstractButton>(1031)->text(), QStringLiteral("打印"));
    EXPECT_EQ(window->menuBar()->actions().first()->text(), QStringLiteral("文件"));
    EXPECT_EQ(ctl<QLineEdit>(1105)->text(), QStringLiteral("状态栏:  实时显示打印状态！"));
    EXPECT_EQ(g_strStatus.get(), QStringLiteral("状态栏:  实时显示打印状态！"));
    EXPECT_EQ(ctl<QPlainTextEdit>(1019)->toPlainText(),
              QStringLiteral("欢迎使用专业POS票据打印机公司生产的针打，热敏系列打印机!\n"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tarnwick V3.0C"));
    // The serial list: COM1..COM255 first.
    auto* com = ctl<QComboBox>(1008);
    ASSERT_GE(com->count(), 255);
    EXPECT_EQ(com->itemText(254), QStringLiteral("COM255"));
}

TEST_F(MainWindowTest, EnglishFromTheFirstMomentWhenTheFileSaysSo) {
    writeIni("[Language Select]\nLanguage=0\n");
    start();
    EXPECT_EQ(g_bChinese.load(), 0);
    EXPECT_EQ(ctl<QAbstractButton>(1069)->text(), QStringLiteral("中文简体"));
    EXPECT_EQ(ctl<QAbstractButton>(1031)->text(), QStringLiteral("Print"));
    EXPECT_EQ(window->menuBar()->actions().first()->text(), QStringLiteral("File"));
    EXPECT_EQ(ctl<QLineEdit>(1105)->text(),
              QStringLiteral("Status Bar: Real-time display of print status!"));
    EXPECT_TRUE(ctl<QPlainTextEdit>(1019)->toPlainText().startsWith(QStringLiteral("Welcome")));
}

// Start without a file, change nothing, exit: the file holds the four sections' defaults.
TEST_F(MainWindowTest, ExitWritesTheDefaultsIntoANewFile) {
    start();
    window->runCommand(32799);  // Exit
    EXPECT_FALSE(window->isVisible());
    finish();
    const QString ini = readIni();
    for (const char* line :
         {"[Printer Address]", "IP=192.168.123.100", "[Port Name]", "Com Name=COM1",
          "Lpt Name=LPT1", "[Printer Set]", "Port Select=3", "Printer Select=2",
          "BaudRate Select=9600", "[Language Select]", "Language=1"}) {
        EXPECT_TRUE(ini.contains(QString::fromUtf8(line))) << line << "\n" << ini.toStdString();
    }
}

// The window's choices reach the file; the printer address is the one last used for a
// connection (here: the one loaded), not what the field shows.
TEST_F(MainWindowTest, ExitSavesTheWindowsValues) {
    writeIni("[Printer Address]\nIP=10.1.2.3\n[Printer Set]\nBaudRate Select=300\n");
    start();
    ctl<QRadioButton>(1001)->click();
    ctl<QRadioButton>(1004)->click();
    auto* com = ctl<QComboBox>(1008);
    com->setCurrentIndex(6);
    emit com->activated(6);
    ctl<IpAddressEdit>(1011)->setAddress(0xC0A80005);
    ctl<QAbstractButton>(1069)->click();  // English
    finish();
    const QString ini = readIni();
    for (const char* line : {"IP=10.1.2.3", "Com Name=COM7", "Lpt Name=LPT1", "Port Select=1",
                             "Printer Select=0", "BaudRate Select=300", "Language=0"}) {
        EXPECT_TRUE(ini.contains(QString::fromUtf8(line))) << line << "\n" << ini.toStdString();
    }
}

// A bad repeat count makes field readings fail; the exit save still writes, without a box.
TEST_F(MainWindowTest, ExitSavesWithoutAskingWhenAFieldIsInvalid) {
    writeIni("[Printer Set]\nPort Select=0\n");
    start();
    ctl<QLineEdit>(1020)->setText(QStringLiteral("abc"));
    ctl<QRadioButton>(1002)->setChecked(true);  // chosen, not yet applied by a handler
    finish();
    EXPECT_TRUE(ui.boxes.empty()) << ui.lastText().toStdString();
    EXPECT_TRUE(readIni().contains(QStringLiteral("Port Select=2"))) << readIni().toStdString();
}

}  // namespace
