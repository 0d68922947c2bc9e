#pragma once

// What the USB printer access says to the user.

#include "core/message.h"

namespace usb_messages {

inline constexpr Message kArrivalOpenFailed{
    "检测到USB打印机，打开失败! 请重新插拔USB或上电!",
    "Failed to open USB printer and re-plug the USB or power!"};
inline constexpr Message kArrivalOpened{"检测到USB打印机，打开成功！",
                                        "Detection to a USB printer, open the success!"};
inline constexpr Message kRemoved{"USB打印机已从电脑中断开连接！",
                                  "USB printer is remove from the computer!"};

// Shown at start-up when plug and unplug notifications cannot be had; Chinese in both
// languages.
inline constexpr Message kRegisterFailed{"注册USB类不成功", "注册USB类不成功"};

}  // namespace usb_messages
