#include "app/text_document.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "app/document_texts.h"
#include "app/main_commands.h"
#include "core/ansi_text.h"
#include "core/file_errors.h"
#include "core/program_state.h"

namespace {

// The framework's message for a file that could not be written. A path whose folder does not
// exist is "not found" whatever the system said.
QString WriteErrorText(const QString& path, int error) {
    if (!QFileInfo(path).absoluteDir().exists()) {
        return FileNotFoundText(path);
    }
    return FileErrorText(error, path);
}

}  // namespace

std::optional<QString> ReadTextDocument(const QString& path, QString* error) {
    const auto bytes = ReadWholeFile(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    const qsizetype end = bytes->indexOf('\0');
    return DecodeFileText(end < 0 ? *bytes : bytes->left(end));
}

bool WriteTextDocument(const QString& path, const QString& text, QString* error) {
    const auto fail = [&](int code) {
        if (error) {
            *error = WriteErrorText(path, code);
        }
        return false;
    };
    if (path.isEmpty()) {
        return fail(ENOENT);
    }
    if (QFileInfo(path).isDir()) {
        return fail(EISDIR);
    }
    // Written beside the old file and renamed over it, so a failed write keeps the old text;
    // where no file can be made beside it (a folder we may not write to) it is written in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(errno ? errno : EACCES);
    }
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        const int code = errno ? errno : EIO;
        file.cancelWriting();
        return fail(code);
    }
    return true;
}

DocumentFileDialog TextDocument::openDialog() {
    using namespace document_texts;
    return {QString::fromUtf8(kOpenTitle), QString::fromUtf8(kFilter), QString()};
}

DocumentFileDialog TextDocument::saveDialog() {
    using namespace document_texts;
    return {QString::fromUtf8(kSaveTitle), QString::fromUtf8(kFilter),
            QString::fromUtf8(kDefaultSuffix)};
}

DocumentFileDialog TextDocument::saveAsDialog() {
    using namespace document_texts;
    return {QString::fromUtf8(kSaveAsTitle), QString::fromUtf8(kFilter),
            QString::fromUtf8(kDefaultSuffix)};
}

void TextDocument::newDocument() {
    m_host.setDocumentText(QString());
}

void TextDocument::open() {
    const QString path = m_host.chooseOpenPath(openDialog());
    if (!path.isEmpty()) {
        QString error;
        const auto text = ReadTextDocument(path, &error);
        if (!text) {
            m_host.showFileError(error);
            return;
        }
        m_host.setDocumentText(*text);
        g_strDocPath.set(path);
    }
    showPathInMenu();
}

void TextDocument::save() {
    const QString text = m_host.documentText();
    const QString path = g_strDocPath.get();
    if (!path.isEmpty()) {
        writeTo(path, text);
        return;
    }
    const QString chosen = m_host.chooseSavePath(saveDialog());
    if (!chosen.isEmpty()) {
        writeTo(chosen, text);
    }
}

void TextDocument::saveAs() {
    const QString text = m_host.documentText();
    const QString chosen = m_host.chooseSavePath(saveAsDialog());
    if (!chosen.isEmpty()) {
        writeTo(chosen, text);
    }
}

void TextDocument::close() {
    if (g_strDocPath.get().isEmpty()) {
        return;
    }
    g_strDocPath.set(QString());
    m_host.setDocumentText(QString());
    m_host.setMenuItemText(ID_FILE_SAVE, QString::fromUtf8(document_texts::kSavePlain));
    m_host.setMenuItemText(ID_FILE_CLOSE, QString::fromUtf8(document_texts::kClosePlain));
}

void TextDocument::writeTo(const QString& path, const QString& text) {
    QString error;
    if (!WriteTextDocument(path, text, &error)) {
        m_host.showFileError(error);
    }
}

void TextDocument::showPathInMenu() {
    const QString path = g_strDocPath.get();
    m_host.setMenuItemText(ID_FILE_SAVE,
                           QString::fromUtf8(document_texts::kSaveWithPath).arg(path));
    m_host.setMenuItemText(ID_FILE_CLOSE,
                           QString::fromUtf8(document_texts::kCloseWithPath).arg(path));
}
