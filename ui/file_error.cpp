#include "ui/file_error.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "ui/framework_text.h"
#include "ui/ui_service.h"

bool ReadFileBytes(const QString& path, QByteArray& bytes, int& error) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    QByteArray content;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            content.append(buffer, static_cast<qsizetype>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            error = errno;
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    bytes = content;
    return true;
}

QString FileErrorText(int error, const QString& path) {
    const char* text = FrameworkText::kFileGeneric;
    switch (error) {
        case ENOENT:
            text = FrameworkText::kFileNotFound;
            break;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
            text = FrameworkText::kFileAccessDenied;
            break;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EILSEQ:
            text = FrameworkText::kFileBadPath;
            break;
        case EMFILE:
        case ENFILE:
            text = FrameworkText::kFileTooManyOpen;
            break;
        case EIO:
            text = FrameworkText::kFileHardIo;
            break;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            text = FrameworkText::kFileDiskFull;
            break;
        case ETXTBSY:
        case EBUSY:
            text = FrameworkText::kFileSharing;
            break;
        default:
            break;
    }
    return QString::fromUtf8(text).arg(path);
}

void ShowFileError(QWidget* parent, int error, const QString& path) {
    ShowMessage(parent, FileErrorText(error, path));
}
