#include "core/ini_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <limits>
#include <mutex>

#include "core/ini_document.h"

namespace {

// One read-modify-write at a time in this process, so two threads writing different keys of
// the same file cannot lose each other's change.
std::mutex& WriteMutex() {
    static std::mutex mutex;
    return mutex;
}

enum class LoadResult { Loaded, Missing, Unreadable };

LoadResult Load(const QString& path, QByteArray& bytes) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return LoadResult::Missing;
    }
    // Only a regular file is a settings file: a folder, a FIFO or a device is never read or
    // replaced.
    if (!info.isFile()) {
        return LoadResult::Unreadable;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return LoadResult::Unreadable;
    }
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? LoadResult::Loaded : LoadResult::Unreadable;
}

IniDocument LoadDocument(const QString& path) {
    QByteArray bytes;
    return Load(path, bytes) == LoadResult::Loaded ? IniDocument::fromBytes(bytes) : IniDocument();
}

// The value cut to capacity - 1 UTF-16 units, never leaving half of a surrogate pair.
QString CutToCapacity(QString text, int capacity) {
    if (capacity <= 1) {
        return QString();
    }
    const qsizetype max = capacity - 1;
    if (text.size() > max) {
        text.truncate(max);
        if (text.back().isHighSurrogate()) {
            text.chop(1);
        }
    }
    return text;
}

// Optional sign, then the decimal digits at the start; anything else reads 0.
int LeadingInteger(const QString& text) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qint64 limit = negative ? -static_cast<qint64>(std::numeric_limits<int>::min())
                                  : std::numeric_limits<int>::max();
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = std::min(limit, value * 10 + (text[i].unicode() - u'0'));
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue,
                            int capacity) const {
    const std::optional<QString> value = LoadDocument(m_path).value(section, key);
    return CutToCapacity(value.value_or(defaultValue), capacity);
}

int IniFile::readInt(const QString& section, const QString& key, int defaultValue) const {
    const std::optional<QString> value = LoadDocument(m_path).value(section, key);
    return value ? LeadingInteger(*value) : defaultValue;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& text) {
    std::lock_guard lock(WriteMutex());
    QByteArray old;
    const LoadResult loaded = Load(m_path, old);
    if (loaded == LoadResult::Unreadable) {
        return false;  // rewriting a file we could not read would lose its contents
    }
    IniDocument doc = loaded == LoadResult::Loaded ? IniDocument::fromBytes(old) : IniDocument();
    if (!doc.setValue(section, key, text)) {
        return false;
    }
    const QByteArray bytes = doc.toBytes();
    if (loaded == LoadResult::Loaded && bytes == old) {
        return true;
    }
    // QSaveFile writes a temporary file in the same folder and renames it over the old one on
    // commit; until then, and after any failure, the old file is untouched. Unbuffered, so that
    // a failing write (disk full, size limit) is seen here: an error while commit() flushes its
    // buffer would not stop the rename of a cut-short file.
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

bool IniFile::writeInt(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}
