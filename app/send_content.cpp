#include "app/send_content.h"

#include "app/send_messages.h"
#include "core/ansi_text.h"
#include "core/hex_bytes.h"

ContentError ContentBytes(const QString& text, bool hex, Bytes& bytes) {
    bytes.clear();
    if (text.isEmpty()) {
        return ContentError::Empty;
    }
    const QByteArray ansi = ToAnsi(text);
    if (hex) {
        return HexToBytes(ansi, bytes) == 0 ? ContentError::BadHex : ContentError::None;
    }
    bytes.assign(ansi.begin(), ansi.end());
    bytes.push_back(0x00);
    return ContentError::None;
}

QString ContentErrorText(ContentError error) {
    switch (error) {
        case ContentError::Empty:
            return Text(send_messages::kInputEmpty);
        case ContentError::BadHex:
            return Text(send_messages::kHexInputError);
        case ContentError::None:
            break;
    }
    return QString();
}
