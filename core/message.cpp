#include "core/message.h"

#include "core/program_state.h"

QString Text(const Message& message, bool chinese) {
    return QString::fromUtf8(chinese ? message.zh : message.en);
}

QString Text(const Message& message) { return Text(message, g_bChinese.load() != 0); }
