// tarnwick-cli run as a process, against real peers.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "core/program_state.h"
#include "tests/support/file_bytes.h"
#include "tests/support/printer_peer.h"
#include "tests/support/pty_pair.h"

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun RunCli(const QStringList& args) {
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tarnwick-cli"), args);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray Hex(const Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()))
        .toHex(' ');
}

// Every run reads an empty settings file of its own, so the machine's Printer.ini never matters.
class CliTest : public testing::Test {
protected:
    QStringList withIni(QStringList args) const {
        return QStringList{QStringLiteral("--ini"), m_dir.filePath(QStringLiteral("none.ini"))} +
               args;
    }
    QTemporaryDir m_dir;
};

TEST_F(CliTest, HexSendWithRepeatReachesTheNetworkPrinterTwice) {
    PrinterPeer printer;
    const CliRun run =
        RunCli(withIni({"--port", "net", "--ip", printer.addressText(), "--lang", "en", "send",
                        "--hex", "1B 40 48 65 6C 6C 6F 0A", "--repeat", "2"}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              QStringLiteral("Network send data successfully\nNetwork send data successfully\n"));
    ASSERT_TRUE(printer.waitForBytes(16, 5000));
    EXPECT_EQ(Hex(printer.received()),
              QByteArray("1b 40 48 65 6c 6c 6f 0a 1b 40 48 65 6c 6c 6f 0a"));
}

TEST_F(CliTest, TextSendOverASerialPortAddsTheZeroByte) {
    PtyPair pty;
    pty.startReading();
    const CliRun run = RunCli(withIni({"--port", "com", "--com", pty.slavePath(), "send", "ABC"}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(pty.waitForBytes(4, std::chrono::seconds(5)).toHex(' '), QByteArray("41 42 43 00"));
    EXPECT_TRUE(run.out.startsWith(pty.slavePath() + QString::fromUtf8("数据已发送!")));
}

TEST_F(CliTest, ActionsSendTheWindowsBytes) {
    QTemporaryDir files;
    const QString data = files.filePath(QStringLiteral("data.bin"));
    WriteFileBytes(data, QByteArray("\x00\x01\xFF\r\n", 5));
    struct Case {
        QStringList args;
        QByteArray bytes;
        QString firstLine;
    };
    const Case cases[] = {
        {{"cut"}, "1d 56 42 00 0a 0a 00", "Network send data successfully"},
        {{"drawer"}, "1b 70 00 1e ff 00", "Open the cash box success"},
        {{"send-file", data}, "00 01 ff 0d 0a", "Network send data successfully"},
        {{"send", "--repeat", "0", "x"}, "", ""},
    };
    for (const Case& c : cases) {
        PrinterPeer printer;
        const CliRun run = RunCli(withIni(
            QStringList{"--port", "net", "--ip", printer.addressText(), "--lang", "en"} + c.args));
        EXPECT_EQ(run.exitCode, 0) << c.args.join(' ').toStdString() << run.err.toStdString();
        EXPECT_EQ(run.out.section('\n', 0, 0), c.firstLine) << c.args.join(' ').toStdString();
        if (!c.bytes.isEmpty()) {
            printer.waitForBytes(static_cast<std::size_t>(c.bytes.count(' ') + 1), 5000);
        }
        EXPECT_EQ(Hex(printer.received()), c.bytes) << c.args.join(' ').toStdString();
    }
}

TEST_F(CliTest, TraditionalSampleForTheModelThenTheCut) {
    PrinterPeer printer;
    const QString sample =
        QCoreApplication::applicationDirPath() + QStringLiteral("/Text_Sample/Traditional_76.qvd");
    const QByteArray expected = ReadFileBytes(sample) + QByteArray::fromHex("1d5642000a0a00");
    ASSERT_GT(expected.size(), 7);
    const CliRun run = RunCli(
        withIni({"--port", "net", "--ip", printer.addressText(), "--model", "76", "traditional"}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(printer.waitForBytes(static_cast<std::size_t>(expected.size()), 5000));
    const Bytes got = printer.received();
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(got.data()), static_cast<int>(got.size())),
              expected);
}

TEST_F(CliTest, PrinterFailureExitsOne) {
    PrinterPeer printer({kPrintPort}, PrinterPeer::Start::Later);  // refuses connections
    const CliRun run =
        RunCli(withIni({"--port", "net", "--ip", printer.addressText(), "--lang", "en", "drawer"}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QStringLiteral("Failed to open the cash box\n"));
}

TEST_F(CliTest, UsageErrorsExitTwoAndSendNothing) {
    PrinterPeer printer;
    const QStringList net{"--port", "net", "--ip", printer.addressText(), "--lang", "en"};
    const QList<QStringList> cases{
        {"frobnicate"},
        {"send", "--hex", "1B 4G"},
        {"send", ""},
        {"send", "a", "b"},
        {"send", "x", "--repeat", "many"},
        {"--timeout", "31", "cut"},
        {"--parity", "sometimes", "cut"},
        {"--ip", "1.2.3", "cut"},
        {"send-file", "/nonexistent/file.bin"},
        {"cut", "--sideways"},
        {"--port"},
    };
    for (const QStringList& args : cases) {
        const CliRun run = RunCli(withIni(net + args));
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_EQ(printer.connectionCount(), 0);
}

TEST_F(CliTest, SettingsFileGivesTheDefaultsAndIsNeverWritten) {
    PrinterPeer printer;
    const QString ini = m_dir.filePath(QStringLiteral("Printer.ini"));
    const QByteArray content =
        QStringLiteral("[Printer Address]\r\nIP=%1\r\n[Language Select]\r\nLanguage=0\r\n")
            .arg(printer.addressText())
            .toUtf8();
    WriteFileBytes(ini, content);
    const CliRun run = RunCli({"--ini", ini, "cut"});  // port type 3 and the address from the file
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Network send data successfully\n"));
    EXPECT_TRUE(printer.waitForBytes(7, 5000));
    EXPECT_EQ(ReadFileBytes(ini), content);
}

TEST_F(CliTest, HelpDescribesTheCommands) {
    const CliRun general = RunCli({"--help"});
    EXPECT_EQ(general.exitCode, 0);
    for (const char* word :
         {"send", "cut", "drawer", "traditional", "send-file", "ports", "--stop-bits"}) {
        EXPECT_TRUE(general.out.contains(QLatin1String(word))) << word;
    }
    const CliRun one = RunCli({"send", "--help"});
    EXPECT_EQ(one.exitCode, 0);
    EXPECT_TRUE(one.out.contains(QStringLiteral("--repeat")));
}

}  // namespace
