#pragma once

// The controls of the main window (dialog 102) as data: identifier, kind, resource text and
// place in dialog units. The window builds itself from this table; the language switch then
// replaces several texts (app/language_texts.h).

#include <QRect>
#include <QStringList>
#include <span>

enum class ControlKind {
    GroupBox,
    Radio,  // RadioGroupStart begins a new group
    RadioGroupStart,
    DropList,  // drop-down list without edit
    Static,
    IpAddress,
    RoundButton,  // the rounded owner-drawn button
    PushButton,   // a plain push button
    CheckBox,
    Edit,
    ContentEdit,  // multi-line, vertical scroll bar, accepts Enter and dropped files
    UpDown,
    Picture,  // picture frame, reports clicks
    StatusLine,
};

struct ControlSpec {
    int id;  // 0 for the two unnamed group boxes
    ControlKind kind;
    const char* text;  // resource text, UTF-8
    QRect dlu;         // x, y, width, height in dialog units
    bool visible = true;
};

// The window's identifiers used by the code.
enum MainControlId : int {
    IDC_RADIO_LPT = 1000,
    IDC_RADIO_COM = 1001,
    IDC_RADIO_USB = 1002,
    IDC_RADIO_NET = 1003,
    IDC_RADIO_POS58 = 1004,
    IDC_RADIO_POS76 = 1005,
    IDC_RADIO_POS80 = 1006,
    IDC_LPT_LIST = 1007,
    IDC_COM_LIST = 1008,
    IDC_BAUD_LIST = 1009,
    IDC_LOCAL_IP = 1010,
    IDC_PRINTER_IP = 1011,
    IDC_NEW_IP = 1012,
    IDC_NEW_ID = 1013,
    IDC_REFRESH = 1014,
    IDC_CONNECT_TEST = 1015,
    IDC_SET_IP = 1016,
    IDC_SET_ID = 1017,
    IDC_PING = 1018,
    IDC_CONTENT = 1019,
    IDC_REPEAT = 1020,
    IDC_FLOW_LIST = 1021,
    IDC_REPEAT_SPIN = 1023,
    IDC_HEX = 1024,
    IDC_CLEAR = 1025,
    IDC_CASH_DRAWER = 1026,
    IDC_CUT_PAPER = 1027,
    IDC_TRADITIONAL = 1028,
    IDC_ADVANCED = 1030,
    IDC_SEND = 1031,
    IDC_NET_MONITOR = 1067,
    IDC_LANGUAGE = 1069,
    IDC_AUTO_SEND = 1081,
    IDC_PERIOD = 1082,
    IDC_DRIVER_TEST = 1083,
    IDC_CUT_AUTO = 1084,
    IDC_STATUS = 1105,
    IDC_PICTURE = 1147,
    IDC_TITLE_LINE = 1148,
    IDC_WEBSITE = 1149,
    IDC_FOOTER_LEFT = 1150,
    IDC_FOOTER_RIGHT = 1151,
};

// Window caption, dialog font and size in dialog units.
inline constexpr const char* kMainCaption = "Tarnwick V3.0C";
inline constexpr const char* kMainFontFamily = "Microsoft Sans Serif";
inline constexpr int kMainFontPointSize = 10;
inline constexpr int kMainWidthDlu = 342;
inline constexpr int kMainHeightDlu = 367;

// Every control of the main window, in tab order.
std::span<const ControlSpec> MainControls();

// The control with the identifier, or nullptr.
const ControlSpec* FindMainControl(int id);

// Item lists filled from the resource.
QStringList LptListItems();   // "LPT1".."LPT3"
QStringList BaudListItems();  // "1200".."128000"
QStringList FlowListItems();  // "None", "Xon/Xoff", "RTS", "RTS/XonXoff"

// The flow-control item selected and applied at start-up ("RTS").
inline constexpr int kStartFlowIndex = 2;
