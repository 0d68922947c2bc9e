// The port options: what the dialog's choices store, and the opener closing the serial port and
// the printer socket (and nothing else) before the dialog runs.

#include <gtest/gtest.h>

#include <QDir>

#include "core/program_state.h"
#include "link/link_handles.h"
#include "link/link_manager.h"
#include "link/port_options.h"
#include "tests/support/fake_main_window.h"
#include "tests/support/fifo_printer.h"
#include "tests/support/printer_peer.h"
#include "tests/support/pty_pair.h"
#include "tests/support/state_guard.h"

namespace {

TEST(PortOptions, TheFirstChoiceShowsTheStartValues) {
    StateGuard state;
    g_addrMonitor.set(MakeSocketAddress(kConfigPort, 0xC0A87B64));  // from Printer.ini
    const PortOptionChoice choice = CurrentPortOptions();
    EXPECT_EQ(choice.byteSizeIndex, 4);  // "8"
    EXPECT_EQ(choice.parityIndex, 0);    // "None"
    EXPECT_EQ(choice.stopBitsIndex, 0);  // "1"
    EXPECT_EQ(choice.timeoutIndex, 0);   // "1s"
    EXPECT_EQ(choice.monitorAddress, 0xC0A87B64u);
}

TEST(PortOptions, StoringTranslatesTheListPositions) {
    struct Case {
        PortOptionChoice choice;
        int byteSize, parity, stopBits, seconds;
    };
    const Case cases[] = {
        {{0, 1, 1, 4, 0xC0A80132}, 4, 1, 1, 5},
        {{3, 4, 2, 29, 0}, 7, 4, 2, 30},
        // Typed texts that match no item in the editable parity and stop-bit lists.
        {{4, -1, -1, 0, 0}, 8, 255, 0, 1},
    };
    for (const Case& c : cases) {
        StateGuard state;
        StorePortOptions(c.choice);
        EXPECT_EQ(g_nByteSize, c.byteSize);
        EXPECT_EQ(g_nParity, c.parity);
        EXPECT_EQ(g_nStopBits, c.stopBits);
        EXPECT_EQ(g_nNetTimeout.get().tv_sec, c.seconds);
        EXPECT_EQ(g_nNetTimeout.get().tv_usec, 0);
        const sockaddr_in monitor = g_addrMonitor.get();
        EXPECT_EQ(HostAddress(monitor), c.choice.monitorAddress);
        EXPECT_EQ(ntohs(monitor.sin_port), kConfigPort);  // only the address changes
        EXPECT_EQ(CurrentPortOptions().timeoutIndex, c.seconds - 1);
    }
}

TEST(PortOptions, OpeningClosesTheSerialPortAndThePrinterSocketOnly) {
    StateGuard state;
    PtyPair serialPrinter;
    serialPrinter.startReading();
    FifoPrinter parallelPrinter(QDir(state.dir()).filePath("lp0"));
    parallelPrinter.startReading();
    PrinterPeer networkPrinter;
    InstalledFakeMainWindow window(networkPrinter.hostAddress());

    g_strComName.set(serialPrinter.slavePath());
    g_strLptName.set(parallelPrinter.path());
    const std::uint8_t byte = 0x0A;
    for (int port : {PORT_COM, PORT_LPT, PORT_NET}) {
        g_nPortType = port;
        ASSERT_EQ(SendToPrinter(&byte, 1), 1) << port;
    }
    ASSERT_TRUE(networkPrinter.waitForOpenConnections(1, 5000));
    const int lpt = g_hLpt;
    const int serialDescriptors = OpenDescriptorCount(serialPrinter.slavePath());

    PreparePortOptions(0xC0A87B64);

    EXPECT_EQ(g_dwPrinterIp, 0xC0A87B64u);
    EXPECT_EQ(g_hCom, INVALID_HANDLE);
    EXPECT_EQ(OpenDescriptorCount(serialPrinter.slavePath()), serialDescriptors - 1);
    EXPECT_EQ(g_sockPrinter, INVALID_SOCKET);
    EXPECT_TRUE(networkPrinter.waitForOpenConnections(0, 5000));
    EXPECT_EQ(g_hLpt, lpt);                                     // the parallel port stays open
    EXPECT_EQ(OpenDescriptorCount(parallelPrinter.path()), 2);  // the printer's and ours

    // The next serial send opens the port again.
    g_nPortType = PORT_COM;
    EXPECT_EQ(SendToPrinter(&byte, 1), 1);
    EXPECT_NE(g_hCom, INVALID_HANDLE);
    CloseAllLinks();
}

}  // namespace
