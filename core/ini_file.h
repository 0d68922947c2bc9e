#pragma once

// An initialisation-format text file ("[Section]" lines, "key=value" entries), read and written
// one value at a time. Every call goes to the file: nothing is cached, so two programs (or two
// objects) over the same file always see each other's writes.
//
// Reading:
// - Section and key names match without regard to letter case; spaces and tabs around them do
//   not count. When a section or key appears twice, the first one is used.
// - A value is the rest of the line after the first '=', with spaces and tabs around it removed.
//   Lines outside any section, lines without '=' and comment lines never match a key.
// - Text is cut to capacity - 1 characters, the default too (a character made of two UTF-16
//   units is never cut in half).
// - An integer is an optional '-' or '+' followed by the decimal digits at the start of the value
//   ("-1" reads -1, "12abc" 12); a value that does not start that way reads 0. Values past the
//   32-bit range stop at the nearest limit.
// - A missing or unreadable file, section or key gives the default.
//
// Writing:
// - Replaces the value of the first matching key in place, or adds the key after the last
//   entry of its section, or adds the section at the end of the file, or creates the file.
//   Every other line stays byte for byte, line endings included; new lines take the line ending
//   the file already uses ("\n" in a new file).
// - Line breaks inside a value are written as spaces, so a value can never add lines of its own.
// - Encoding: a new file is UTF-8 without byte-order mark. A file with a UTF-16 byte-order mark
//   (either byte order) stays UTF-16 with the same mark; a file that is not valid UTF-8 is read
//   and written as GBK (files from a Chinese Windows system); otherwise UTF-8, keeping a UTF-8
//   byte-order mark if there is one.
// - The file is replaced atomically (a temporary file in the same folder, then a rename), so a
//   failed write leaves the old file whole. A file that exists but cannot be read is left alone.
//   Failures are reported only through the result; nothing is thrown or shown.

#include <QString>
#include <utility>

class IniFile {
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }

    QString readString(const QString& section, const QString& key, const QString& defaultValue,
                       int capacity) const;
    int readInt(const QString& section, const QString& key, int defaultValue) const;

    // True when the file now holds the value.
    bool writeString(const QString& section, const QString& key, const QString& text);
    bool writeInt(const QString& section, const QString& key, int value);

private:
    QString m_path;
};
