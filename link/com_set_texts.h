#pragma once

// Control texts of the port options dialog, set while it opens in the interface language.

#include "core/message.h"

namespace com_set_texts {

inline constexpr char kCaption[] = "Com Set";

inline constexpr Message kSerialGroup{"串口设置:", "ComSet:"};
inline constexpr Message kByteSize{"数据位:", "ByteSize:"};
inline constexpr Message kParity{"奇偶校验:", "Parity:"};
inline constexpr Message kStopBits{"停止位:", "StopBits:"};
inline constexpr Message kLock{"Lock", "Lock"};
inline constexpr Message kNetworkGroup{"网口设置:", "NetSet:"};
inline constexpr Message kTimeout{"连接超时:", "TimeOut:"};
inline constexpr Message kTimeoutHint{
    "当确认打印机已正确连接却连接失败时,可尝试加大超时,程序默认超时1s",
    "(Sure the printer is properly connected but the connection fails,you can try to increase "
    "the timeout, the default timeout 1s)"};
inline constexpr Message kMonitorIp{"监控IP:", "MonitorIP:"};
inline constexpr Message kDefaultIp{"默认IP:", "Default IP:"};
inline constexpr Message kOk{"确定", "OK"};
inline constexpr Message kCancel{"取消", "Cancel"};

}  // namespace com_set_texts
