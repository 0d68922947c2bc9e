#include "ui/drop_edit.h"

#include <sys/stat.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "core/ansi_text.h"
#include "core/file_errors.h"
#include "core/program_state.h"
#include "ui/field_exchange.h"
#include "ui/ui_service.h"

namespace {

// Links that point at links are followed this far, then given up on as a loop.
constexpr int kMaxLinkHops = 40;

// The first local file among the dragged items, or an empty text.
QString FirstDroppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) {
        return QString();
    }
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return QString();
}

}  // namespace

QString ResolveShortcut(const QString& path) {
    QString current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        const QFileInfo info(current);
        if (!info.isSymLink()) {
            return current;
        }
        const QString target = info.symLinkTarget();
        if (target.isEmpty()) {
            return path;
        }
        current = target;
    }
    return path;
}

CDropEdit::CDropEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setAcceptDrops(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void CDropEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (!FirstDroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

void CDropEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (!FirstDroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragMoveEvent(event);
}

void CDropEdit::dropEvent(QDropEvent* event) {
    const QString path = FirstDroppedFile(event->mimeData());
    if (path.isEmpty()) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    loadDroppedFile(path);
}

bool CDropEdit::loadDroppedFile(const QString& dropped) {
    const QString path = ResolveShortcut(dropped);
    struct stat status {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0 ||
        !S_ISREG(status.st_mode)) {
        return false;
    }
    QString error;
    std::optional<QByteArray> bytes = ReadWholeFile(path, &error);
    if (!bytes) {
        // The document stays what it was: taking the path of a file whose text never loaded
        // would let the next Save overwrite that file with the old content.
        ShowMessage(this, error);
        return false;
    }
    g_strDocPath = path;
    const qsizetype zero = bytes->indexOf('\0');
    if (zero >= 0) {
        bytes->truncate(zero);
    }
    setPlainText(ToEditLineBreaks(DecodeFileText(*bytes)));
    emit fileLoaded(path);
    return true;
}
