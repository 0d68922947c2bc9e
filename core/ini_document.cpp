#include "core/ini_document.h"

#include "core/ansi_text.h"

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString TrimBlank(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.mid(begin, end - begin);
}

bool SameName(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

bool HasLineBreak(const QString& text) {
    return text.contains(u'\r') || text.contains(u'\n');
}

bool IsUtf16(IniDocument::Encoding encoding) {
    return encoding == IniDocument::Encoding::Utf16Le || encoding == IniDocument::Encoding::Utf16Be;
}

// The code unit at byte offset i (one byte, or two in UTF-16).
char16_t UnitAt(const QByteArray& bytes, qsizetype i, IniDocument::Encoding encoding) {
    const auto byte = [&](qsizetype k) {
        return static_cast<char16_t>(static_cast<uchar>(bytes[k]));
    };
    switch (encoding) {
        case IniDocument::Encoding::Utf16Le:
            return static_cast<char16_t>(byte(i) | (byte(i + 1) << 8));
        case IniDocument::Encoding::Utf16Be:
            return static_cast<char16_t>((byte(i) << 8) | byte(i + 1));
        default:
            return byte(i);
    }
}

bool IsAscii(const QByteArray& bytes) {
    for (char c : bytes) {
        if (static_cast<uchar>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

IniDocument IniDocument::fromBytes(const QByteArray& bytes) {
    IniDocument doc;
    qsizetype start = 0;
    if (bytes.startsWith("\xFF\xFE")) {
        doc.m_encoding = Encoding::Utf16Le;
        start = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        doc.m_encoding = Encoding::Utf16Be;
        start = 2;
    } else if (IsValidUtf8(bytes)) {
        doc.m_encoding = Encoding::Utf8;
        start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    } else {
        doc.m_encoding = Encoding::Gbk;
    }
    doc.m_prefix = bytes.left(start);

    const qsizetype unit = IsUtf16(doc.m_encoding) ? 2 : 1;
    qsizetype end = bytes.size();
    if ((end - start) % unit != 0) {
        doc.m_strayByte = bytes.right(1);
        --end;
    }
    qsizetype lineStart = start;
    for (qsizetype i = start; i < end; i += unit) {
        const char16_t u = UnitAt(bytes, i, doc.m_encoding);
        if (u != u'\n' && u != u'\r') {
            continue;
        }
        qsizetype endingSize = unit;
        if (u == u'\r' && i + unit < end && UnitAt(bytes, i + unit, doc.m_encoding) == u'\n') {
            endingSize = 2 * unit;
        }
        doc.m_lines.push_back({bytes.mid(lineStart, i - lineStart), bytes.mid(i, endingSize)});
        i += endingSize - unit;
        lineStart = i + unit;
    }
    if (lineStart < end) {
        doc.m_lines.push_back({bytes.mid(lineStart, end - lineStart), QByteArray()});
    }
    return doc;
}

QByteArray IniDocument::toBytes() const {
    QByteArray out = m_prefix;
    for (const Line& line : m_lines) {
        out += line.text;
        out += line.ending;
    }
    out += m_strayByte;
    return out;
}

QString IniDocument::decode(const QByteArray& raw) const {
    switch (m_encoding) {
        case Encoding::Utf8:
            return QString::fromUtf8(raw);
        case Encoding::Gbk:
            return IsAscii(raw) ? QString::fromLatin1(raw) : FromAnsi(raw);
        case Encoding::Utf16Le:
        case Encoding::Utf16Be: {
            QString text;
            text.reserve(raw.size() / 2);
            for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
                text.append(QChar(UnitAt(raw, i, m_encoding)));
            }
            return text;
        }
    }
    return QString();
}

QByteArray IniDocument::encode(const QString& text) const {
    switch (m_encoding) {
        case Encoding::Utf8:
            return text.toUtf8();
        case Encoding::Gbk:
            return ToAnsi(text);
        case Encoding::Utf16Le:
        case Encoding::Utf16Be: {
            QByteArray raw;
            raw.reserve(text.size() * 2);
            const bool little = m_encoding == Encoding::Utf16Le;
            for (QChar c : text) {
                const char hi = static_cast<char>(c.unicode() >> 8);
                const char lo = static_cast<char>(c.unicode() & 0xFF);
                raw.append(little ? lo : hi);
                raw.append(little ? hi : lo);
            }
            return raw;
        }
    }
    return QByteArray();
}

IniDocument::Place IniDocument::find(const QString& section, const QString& key) const {
    const QString wantSection = TrimBlank(section);
    const QString wantKey = TrimBlank(key);
    Place place;
    for (int i = 0; i < static_cast<int>(m_lines.size()); ++i) {
        const QString text = TrimBlank(decode(m_lines[i].text));
        if (text.startsWith(u'[')) {
            if (place.sectionLine >= 0) {
                break;  // past the end of the first matching section
            }
            QString name = text.mid(1);
            const qsizetype close = name.indexOf(u']');
            if (close >= 0) {
                name.truncate(close);
            }
            if (SameName(TrimBlank(name), wantSection)) {
                place.sectionLine = i;
                place.insertAfter = i;
            }
            continue;
        }
        if (place.sectionLine < 0 || text.isEmpty()) {
            continue;
        }
        place.insertAfter = i;
        const qsizetype equals = text.indexOf(u'=');
        if (equals > 0 && SameName(TrimBlank(text.left(equals)), wantKey)) {
            place.keyLine = i;
            break;
        }
    }
    return place;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const Place place = find(section, key);
    if (place.keyLine < 0) {
        return std::nullopt;
    }
    const QString text = decode(m_lines[place.keyLine].text);
    return TrimBlank(text.mid(text.indexOf(u'=') + 1));
}

QByteArray IniDocument::lineEnding() const {
    for (const Line& line : m_lines) {
        if (!line.ending.isEmpty()) {
            return line.ending;
        }
    }
    return encode(QStringLiteral("\n"));
}

void IniDocument::insertLine(int index, const QString& text) {
    const QByteArray ending = lineEnding();
    if (index > 0 && m_lines[index - 1].ending.isEmpty()) {
        m_lines[index - 1].ending = ending;
    }
    m_lines.insert(m_lines.begin() + index, Line{encode(text), ending});
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value) {
    const QString sectionName = TrimBlank(section);
    const QString keyName = TrimBlank(key);
    if (sectionName.isEmpty() || HasLineBreak(section) || section.contains(u']') ||
        keyName.isEmpty() || HasLineBreak(key) || key.contains(u'=') || keyName.startsWith(u'[')) {
        return false;
    }
    QString clean = value;
    clean.replace(u'\r', u' ').replace(u'\n', u' ');

    const Place place = find(section, key);
    if (place.keyLine >= 0) {
        // Keep the key as written and the blanks after '='; only the value changes.
        Line& line = m_lines[place.keyLine];
        const QString text = decode(line.text);
        qsizetype keep = text.indexOf(u'=') + 1;
        while (keep < text.size() && IsBlank(text[keep])) {
            ++keep;
        }
        line.text = encode(text.left(keep) + clean);
    } else if (place.sectionLine >= 0) {
        insertLine(place.insertAfter + 1, key + u'=' + clean);
    } else {
        insertLine(static_cast<int>(m_lines.size()), u'[' + section + u']');
        insertLine(static_cast<int>(m_lines.size()), key + u'=' + clean);
    }
    return true;
}
