#pragma once

// Command identifiers of the main window's menus, its accelerator table and its window menu.

#include <span>

enum MainCommand : int {
    ID_FILE_NEW = 32794,
    ID_FILE_OPEN = 32801,
    ID_FILE_SAVE = 32795,
    ID_FILE_SAVE_AS = 32796,
    ID_FILE_CLOSE = 32804,
    ID_FILE_PRINT = 32802,
    ID_APP_EXIT = 32799,
    ID_COM_SETTING = 32835,
    ID_BLACK_MARK = 32841,
    ID_NET_SETTING_ZH = 32845,  // the Chinese bar's network settings item
    ID_NET_SETTING_EN = 32844,  // the English bar's
    ID_LOGO_DOWN = 32800,
    ID_LANG_ENGLISH = 32839,
    ID_LANG_CHINESE = 32840,
    ID_HELP_TOPICS = 32785,  // has no handler
    ID_APP_ABOUT = 32838,
};

// The window menu's About item (compared after masking off the low four bits).
inline constexpr int IDM_ABOUTBOX = 16;

// The window menu's About text.
inline constexpr const char* kAboutMenuText = "关于 QUENLOR(&A)...";

// One accelerator: a key sequence in Qt's portable text form and the command it gives.
struct Accelerator {
    const char* keys;
    int command;
};

// The accelerator table: tried before the window's own keyboard handling.
std::span<const Accelerator> AcceleratorTable();
