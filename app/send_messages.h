#pragma once

#include "core/message.h"

namespace send_messages {

inline constexpr Message kInputEmpty{"输入数据为空!", "The input data is empty!"};
inline constexpr Message kHexInputError{"十六进制字符输入有误！",
                                        "Hexadecimal character input Error！"};

}  // namespace send_messages
