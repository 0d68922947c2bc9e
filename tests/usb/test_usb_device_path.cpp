#include <gtest/gtest.h>

#include "link/usb_device_path.h"

namespace {

TEST(UsbVidMatches, LooksForTheKnownVendorsInTheMatchWindowOnly) {
    struct Case {
        const char* path;  // UTF-8
        int expected;
    };
    const Case cases[] = {
        {R"(\\?\usb#vid_067b&pid_2303#5&1c5a8b2&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed})", 1},
        {R"(\\?\usb#vid_0416&pid_5011#ABC#{a5dcbf10-6530-11d2-901f-00c04fb951ed})", 1},
        {R"(\\?\usb#vid_0483&pid_5743#1-2#{a5dcbf10-6530-11d2-901f-00c04fb951ed})", 1},
        {R"(\\?\usb#vid_1fc9&pid_2016#x#{a5dcbf10-6530-11d2-901f-00c04fb951ed})", 1},
        {R"(\\?\usb#vid_1cbe&pid_0002#x#{a5dcbf10-6530-11d2-901f-00c04fb951ed})", 1},
        {R"(\\?\usb#vid_0471&pid_0055#x#{a5dcbf10-6530-11d2-901f-00c04fb951ed})", 1},
        // Letter case does not matter.
        {R"(\\?\USB#VID_0483&PID_5740#0001#{A5DCBF10-6530-11D2-901F-00C04FB951ED})", 1},
        // Another vendor.
        {R"(\\?\usb#vid_046d&pid_c52b#x#{a5dcbf10-6530-11d2-901f-00c04fb951ed})", 0},
        // A known vendor number in the product position is no match.
        {R"(\\?\usb#vid_1234&pid_0483#x#{a5dcbf10-6530-11d2-901f-00c04fb951ed})", 0},
        // ...nor in the instance part, after the window.
        {R"(\\?\usb#vid_1234&pid_5678#vid_0483#{a5dcbf10-6530-11d2-901f-00c04fb951ed})", 0},
        // Too short to hold a vendor ID; empty.
        {R"(\\?\usb#vid_04)", 0},
        {"", 0},
        // A path that ends just after the vendor ID still holds it.
        {R"(\\?\usb#vid_0471)", 1},
        // The window is taken from the 8-bit text, where a Chinese character is two bytes: the
        // vendor ID lies one place later than in the 16-bit text, into the window in the first
        // path and out of it in the second.
        {"\\\\?\\\xE4\xB8\xAD"
         "b#vid_0483&pid_5740#x",
         1},
        {"\\\\?\\\xE4\xB8\xAD"
         "123456789012vid_0483&pid_5740",
         0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UsbVidMatches(QString::fromUtf8(c.path)), c.expected) << c.path;
    }
}

TEST(UsbDevicePath, HasTheFourPartsAndKeepsThemApart) {
    EXPECT_EQ(MakeUsbDevicePath(0x0483, 0x5743, QStringLiteral("1-2.3")),
              QStringLiteral(
                  R"(\\?\usb#vid_0483&pid_5743#1-2.3#{a5dcbf10-6530-11d2-901f-00c04fb951ed})"));
    EXPECT_EQ(MakeUsbDevicePath(0x1FC9, 0x000A, QStringLiteral("AB#C\n")),
              QStringLiteral(
                  R"(\\?\usb#vid_1fc9&pid_000a#AB_C_#{a5dcbf10-6530-11d2-901f-00c04fb951ed})"));
}

}  // namespace
