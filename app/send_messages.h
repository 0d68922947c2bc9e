#pragma once

#include "core/message.h"

namespace send_messages {

inline constexpr Message kInputEmpty{"输入数据为空!", "The input data is empty!"};
inline constexpr Message kHexInputError{"十六进制字符输入有误！",
                                        "Hexadecimal character input Error！"};

// Auto-send: the count after each send (%1), and the text put in front of the last status when
// the thread ends (both end with three spaces).
inline constexpr Message kSentCount{"发送次数: %1", "The number of sent: %1"};
inline constexpr Message kAutoSendExit{"自动发送线程已退出!   ",
                                       "Automatic sending thread was exit！   "};

}  // namespace send_messages
