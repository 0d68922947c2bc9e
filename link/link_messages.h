#pragma once

// Result texts of the link manager. Texts after a port name are appended directly to it.

#include "core/message.h"

namespace link_messages {

inline constexpr Message kLptInvalid{"无效,请重新选择并口!",
                                     " is invalid,Please re-select the parallel port!"};
inline constexpr Message kComInvalid{"无效,请重新选择COM口!",
                                     " is invalid,Please re-select the serial port!"};
inline constexpr Message kUsbOpenFailed{"USB：打开失败!请重新插拔USB或上电!",
                                        "USB：Failed to open and re-plug the USB or power-on!"};
inline constexpr Message kNetConnected{"网口:连接成功!", "Network connection successfully!"};
inline constexpr Message kNetConnectFailed{
    "NET:连接失败!,如果确认当前打印机IP正确、网线接口等连接完好,"
    "且重启打印机后仍然连接失败，可尝试加大超时!",
    "Network connection failed! If to confirm the current printer IP is correct, the cable "
    "interface connected, and restart the printer after the connection fails, you can try to "
    "increase timeout"};

inline constexpr Message kLptSent{"发送数据成功!", " send data successfully!"};
inline constexpr Message kLptSendFailed{"数据发送失败!请检测连接是否无误！",
                                        " send data failed!,please detect connection!"};
inline constexpr Message kComSent{
    "数据已发送!如打印机未动作,请检测连接是否无误！",
    " has been sent the data,if the printer is no action,please detect connection!"};
inline constexpr Message kComSendFailed{"发送数据失败！", " send data failed!"};
inline constexpr Message kUsbSent{"USB：发送数据成功!", "USB：send data successfully!"};
inline constexpr Message kUsbSendFailed{"USB：发送数据失败!", "USB：send data failed!"};
inline constexpr Message kNetSent{"NET:发送数据成功!", "Network send data successfully"};
inline constexpr Message kNetSendFailed{"NET:发送数据失败", "Network send data failed"};

}  // namespace link_messages
