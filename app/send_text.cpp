#include "app/send_text.h"

#include "app/port_release_timer.h"
#include "core/program_state.h"
#include "link/link_manager.h"

ContentError SendText(const QString& text, bool hex, int repeat, PortReleaseTimer* releaseTimer) {
    Bytes bytes;
    const ContentError error = ContentBytes(text, hex, bytes);
    if (error != ContentError::None) {
        return error;
    }
    const int port = g_nPortType;
    if ((port == PORT_LPT || port == PORT_COM) && releaseTimer) {
        releaseTimer->restart();
    }
    for (int i = 0; i < repeat; ++i) {
        SendToPrinter(bytes);
        ShowStatus();
    }
    return ContentError::None;
}
