#pragma once

// IPv4 addresses as text: "a.b.c.d", first octet most significant in the 32-bit value.

#include <QString>
#include <cstdint>
#include <optional>

QString DottedQuad(std::uint32_t hostOrderAddress);

// Exactly four decimal octets 0..255 (one to three ASCII digits each, no sign), surrounding
// blanks allowed; nothing for anything else.
std::optional<std::uint32_t> ParseDottedQuad(const QString& text);
