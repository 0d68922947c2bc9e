#pragma once

// CDropEdit: the multi-line content box that takes a file dropped from the desktop or a file
// manager and shows its text. Only the first dropped file counts; a symbolic link (the
// desktop's shortcut) stands for its target; a folder or anything but a regular file changes
// nothing. A regular file becomes the document (g_strDocPath) and its text replaces the box's
// content: the bytes up to the first zero byte, read as UTF-8 when they are UTF-8 and as GBK
// otherwise. A file that cannot be read is reported with the framework's file-error message.

#include <QPlainTextEdit>

class CDropEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CDropEdit(QWidget* parent = nullptr);

    // What a drop of `path` does. True when the file's text was loaded.
    bool loadDroppedFile(const QString& path);

signals:
    // A dropped file's text was loaded; `path` is the file read (a link's target).
    void fileLoaded(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The file a dropped path stands for: a symbolic link's final target, else the path itself
// (also when the link cannot be followed).
QString ResolveShortcut(const QString& path);
