#pragma once

#include "core/message.h"

namespace quick_action_messages {

inline constexpr Message kDrawerOpened{"开钱箱成功！", "Open the cash box success"};
inline constexpr Message kDrawerFailed{"开钱箱失败！", "Failed to open the cash box"};

}  // namespace quick_action_messages
