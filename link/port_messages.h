#pragma once

// Texts of the port-setting lists. A message about a port follows the port's name directly.

#include "core/message.h"

namespace port_messages {

// A parallel port that does not open reports link_messages::kLptInvalid (link/link_messages.h).

// %1 = g_strLptName
inline constexpr Message kLptOpened{"打开%1成功！", "Open %1 Successfully！"};
// %1 = g_strComName, the same in both languages
inline constexpr Message kComChosen{"Serial Port: %1", "Serial Port: %1"};
// %1 = g_nBaudRate, the same in both languages
inline constexpr Message kBaudRate{"BaudRate=%1", "BaudRate=%1"};

}  // namespace port_messages
