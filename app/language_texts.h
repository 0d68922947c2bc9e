#pragma once

// The main window's texts in both interface languages, as data: the control texts the language
// switch sets, the two menu bars with their command identifiers, and the greetings. Kept free of
// widgets so the tables can be checked without a window.

#include <QString>
#include <span>

#include "core/message.h"

// The program's website, shown by the (hidden) website line 1149 and opened by a click on it.
#define TARNWICK_WEBSITE "https://tarnwick.example.org"

// A control whose text follows the language. An empty side (nullptr) leaves the control's text
// as it is in that language.
struct LanguageControlText {
    int id;
    const char* zh;
    const char* en;
};

// Every control text the language switch sets, in table order.
std::span<const LanguageControlText> LanguageControlTexts();

// The text of control `id` in the language, or a null QString when the language leaves it alone
// (the control is not in the table, or that side is empty).
QString LanguageTextFor(int id, bool chinese);

struct MenuItemSpec {
    int command;
    const char* text;  // "\t" separates the item text from its shortcut text
};

struct MenuPopupSpec {
    const char* title;
    std::span<const MenuItemSpec> items;
};

// The menu bar of the language: Chinese (resource 130) or English (resource 145).
std::span<const MenuPopupSpec> MenuBarSpec(bool chinese);

// The greeting put into the content field, ending with CR LF.
extern const Message kGreeting;

// The status line at start-up.
extern const Message kStatusGreeting;
