#include "app/main_controls.h"

#include <algorithm>

namespace {

using K = ControlKind;

const ControlSpec kControls[] = {
    {1108, K::GroupBox, "通讯端口选择", {9, 7, 160, 24}},
    {1000, K::RadioGroupStart, "并口", {14, 17, 30, 10}},
    {1001, K::Radio, "串口", {55, 17, 30, 10}},
    {1002, K::Radio, "USB", {96, 17, 29, 10}},
    {1003, K::Radio, "网口", {134, 17, 30, 10}},
    {1109, K::GroupBox, "打印机选择", {173, 7, 162, 24}},
    {1004, K::RadioGroupStart, "POS-58", {182, 17, 39, 10}},
    {1005, K::Radio, "POS-76", {232, 17, 39, 10}},
    {1006, K::Radio, "POS-80", {283, 17, 39, 10}},
    {1110, K::GroupBox, "并口设置", {8, 34, 52, 27}},
    {1111, K::GroupBox, "串口设置", {66, 34, 269, 27}},
    {1007, K::DropList, "", {12, 45, 43, 30}},
    {1008, K::DropList, "", {74, 45, 53, 50}},
    {1009, K::DropList, "", {138, 45, 57, 52}},
    {1021, K::DropList, "", {215, 45, 60, 52}},
    {1112, K::GroupBox, "网口设置", {7, 64, 328, 98}},
    {1113, K::Static, "本机IP:", {10, 76, 52, 9}},
    {1114, K::Static, "打印机IP:", {10, 99, 52, 8}},
    {1115, K::Static, "新的IP地址:", {10, 121, 52, 8}},
    {1116, K::Static, "新的ID地址;", {10, 144, 52, 8}},
    {1010, K::IpAddress, "", {63, 72, 101, 15}},
    {1011, K::IpAddress, "", {63, 95, 101, 15}},
    {1012, K::IpAddress, "", {63, 118, 101, 15}},
    {1013, K::IpAddress, "", {63, 141, 101, 15}},
    {1014, K::RoundButton, "刷新", {174, 73, 63, 15}},
    {1015, K::RoundButton, "连接测试", {174, 95, 63, 15}},
    {1016, K::RoundButton, "设置IP", {174, 118, 63, 16}},
    {1017, K::RoundButton, "设置ID", {174, 141, 63, 16}},
    {1018, K::RoundButton, "Ping", {253, 95, 63, 15}},
    {1067, K::PushButton, "网络监控", {253, 118, 63, 16}},
    {1213, K::Static, "(设置ID后四位)", {255, 144, 61, 8}},
    {0, K::GroupBox, "", {6, 163, 329, 135}},
    {1117, K::Static, "打印内容:", {9, 173, 45, 8}},
    {1118, K::Static, "次数:", {54, 174, 20, 9}},
    {1020, K::Edit, "", {77, 171, 28, 13}},
    {1023, K::UpDown, "", {106, 169, 10, 15}},
    {1024, K::CheckBox, "HEX", {119, 173, 23, 10}},
    {1025, K::RoundButton, "清空", {146, 169, 26, 16}},
    {0, K::GroupBox, "", {174, 167, 157, 17}},
    {1081, K::CheckBox, "自动发送", {178, 172, 39, 10}},
    {1119, K::Static, "周期:", {219, 173, 18, 8}},
    {1082, K::Edit, "", {240, 171, 27, 12}},
    {1156, K::Static, "ms", {268, 173, 10, 8}},
    {1084, K::CheckBox, "CutPaper", {281, 172, 38, 10}},
    {1019, K::ContentEdit, "", {10, 186, 250, 108}},
    {1031, K::RoundButton, "发送", {266, 187, 66, 18}},
    {1027, K::RoundButton, "切纸", {266, 208, 66, 14}},
    {1026, K::RoundButton, "开钱箱", {266, 225, 66, 15}},
    {1028, K::RoundButton, "繁体测试", {266, 244, 66, 15}},
    {1083, K::RoundButton, "驱动打印测试", {266, 262, 66, 15}},
    {1030, K::RoundButton, "高级", {266, 280, 66, 15}},
    {1069, K::PushButton, "English", {266, 305, 65, 16}},
    {1147, K::Picture, "", {6, 302, 38, 39}},
    {1148, K::Static, "Tarnwick", {63, 313, 167, 33}},
    {1149, K::Static, "", {128, 333, 106, 12}, false},
    {1150, K::Static, "Tarnwick", {243, 333, 45, 10}},
    {1151, K::Static, "© 2024", {291, 333, 38, 12}},
    {1105, K::StatusLine, "", {6, 348, 329, 16}},
};

}  // namespace

std::span<const ControlSpec> MainControls() {
    return kControls;
}

const ControlSpec* FindMainControl(int id) {
    const auto* it = std::find_if(std::begin(kControls), std::end(kControls),
                                  [id](const ControlSpec& c) { return c.id == id; });
    return it == std::end(kControls) ? nullptr : it;
}

QStringList LptListItems() {
    return {QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3")};
}

QStringList BaudListItems() {
    return {QStringLiteral("1200"),  QStringLiteral("2400"),   QStringLiteral("4800"),
            QStringLiteral("9600"),  QStringLiteral("19200"),  QStringLiteral("38400"),
            QStringLiteral("57600"), QStringLiteral("115200"), QStringLiteral("128000")};
}

QStringList FlowListItems() {
    return {QStringLiteral("None"), QStringLiteral("Xon/Xoff"), QStringLiteral("RTS"),
            QStringLiteral("RTS/XonXoff")};
}
