#pragma once

// The bytes of an initialisation-format file as lines, for finding and replacing one value while
// every other byte stays as it was. Lines are kept in the file's own encoding and decoded only to
// be looked at, so a line that is not touched is written back exactly, even when it holds bytes
// its encoding does not define. The rules are described in core/ini_file.h.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

class IniDocument {
public:
    enum class Encoding { Utf8, Gbk, Utf16Le, Utf16Be };

    // An empty UTF-8 document (what a missing file is).
    IniDocument() = default;

    // Any bytes are accepted.
    static IniDocument fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;

    // The trimmed value of the first matching key of the first matching section.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // Replaces or adds the value. False (and nothing changed) for a name that cannot be written
    // as a line of its own: empty, holding a line break, a section name holding ']', a key name
    // holding '=' or starting with '['.
    bool setValue(const QString& section, const QString& key, const QString& value);

private:
    struct Line {
        QByteArray text;    // raw, in the file's encoding, without the line ending
        QByteArray ending;  // raw "\r\n", "\n", "\r" or empty (last line)
    };
    struct Place {
        int sectionLine = -1;  // header of the first matching section
        int keyLine = -1;      // first matching entry in it
        int insertAfter = -1;  // last non-blank line of that section
    };

    Place find(const QString& section, const QString& key) const;
    QString decode(const QByteArray& raw) const;
    QByteArray encode(const QString& text) const;
    QByteArray lineEnding() const;
    void insertLine(int index, const QString& text);

    Encoding m_encoding = Encoding::Utf8;
    QByteArray m_prefix;  // byte-order mark as found
    std::vector<Line> m_lines;
    QByteArray m_strayByte;  // odd last byte of a UTF-16 file, kept at the end
};
