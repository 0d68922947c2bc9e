#pragma once

#include <QString>

// A user-visible text in both interface languages. Each feature keeps its messages in one
// table of these; the language is chosen when the text is produced (see Text()).
struct Message {
    const char* zh;  // UTF-8
    const char* en;
};

// The text of the message in the current interface language (g_bChinese).
QString Text(const Message& message);

// The text in a given language, for callers that carry their own choice (the command-line tool).
QString Text(const Message& message, bool chinese);
