#include "core/dotted_quad.h"

#include <QStringList>

QString DottedQuad(std::uint32_t a) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg((a >> 24) & 0xFF)
        .arg((a >> 16) & 0xFF)
        .arg((a >> 8) & 0xFF)
        .arg(a & 0xFF);
}

std::optional<std::uint32_t> ParseDottedQuad(const QString& text) {
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() != 4) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3) {
            return std::nullopt;
        }
        int octet = 0;
        for (const QChar c : part) {
            if (c < u'0' || c > u'9') {
                return std::nullopt;
            }
            octet = octet * 10 + (c.unicode() - u'0');
        }
        if (octet > 255) {
            return std::nullopt;
        }
        value = (value << 8) | static_cast<std::uint32_t>(octet);
    }
    return value;
}
