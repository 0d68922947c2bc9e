// Dropping a file on the content box: which file is read, how its bytes become text, and what
// a failure leaves behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

#include "core/ansi_text.h"
#include "core/program_state.h"
#include "tests/support/state_guard.h"
#include "tests/support/ui_recorder.h"
#include "ui/drop_edit.h"

namespace {

class DropEditTest : public ::testing::Test {
protected:
    void SetUp() override { edit.setPlainText(QStringLiteral("before")); }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = QDir(state.dir()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString link(const QString& name, const QString& target) {
        const QString path = QDir(state.dir()).filePath(name);
        EXPECT_TRUE(QFile::link(target, path));
        return path;
    }
    // Drops the files on the box the way a file manager does: enter, then drop on the viewport.
    bool drop(const QStringList& paths) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls << QUrl::fromLocalFile(path);
        }
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(edit.viewport(), &enter);
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(edit.viewport(), &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    }

    StateGuard state;
    UiRecorder ui;
    CDropEdit edit;
};

TEST_F(DropEditTest, Utf8FileLoadsAndBecomesTheDocument) {
    const QString path = write("utf8.txt", QStringLiteral("打印测试\r\nline 2\r\n").toUtf8());
    QSignalSpy loaded(&edit, &CDropEdit::fileLoaded);
    EXPECT_TRUE(drop({path}));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("打印测试\nline 2\n"));
    EXPECT_EQ(g_strDocPath.get(), path);
    ASSERT_EQ(loaded.count(), 1);
    EXPECT_EQ(loaded.at(0).at(0).toString(), path);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(DropEditTest, GbkFileIsDecodedAsGbk) {
    const QByteArray gbk = ToAnsi(QStringLiteral("欢迎使用打印机"));
    ASSERT_FALSE(IsValidUtf8(gbk));
    const QString path = write("gbk.txt", gbk);
    drop({path});
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("欢迎使用打印机"));
}

TEST_F(DropEditTest, ContentEndsAtTheFirstZeroByte) {
    const QString path = write("zero.bin", QByteArray("before zero\0after zero", 22));
    drop({path});
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("before zero"));
}

TEST_F(DropEditTest, SymbolicLinkLoadsItsTargetAndTheTargetBecomesTheDocument) {
    const QString target = write("target.txt", QByteArray("target text"));
    const QString first = link("shortcut", target);
    const QString chain = link("shortcut-to-shortcut", first);
    drop({chain});
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("target text"));
    EXPECT_EQ(g_strDocPath.get(), target);
}

TEST_F(DropEditTest, OnlyTheFirstOfSeveralFilesLoads) {
    const QString one = write("one.txt", QByteArray("one"));
    const QString two = write("two.txt", QByteArray("two"));
    drop({one, two});
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("one"));
    EXPECT_EQ(g_strDocPath.get(), one);
}

TEST_F(DropEditTest, FoldersMissingFilesAndDanglingLinksChangeNothing) {
    g_strDocPath = QStringLiteral("/earlier/document.txt");
    const QString folder = QDir(state.dir()).filePath("folder");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString dangling = link("dangling", QDir(state.dir()).filePath("gone.txt"));
    for (const QString& path :
         {folder, QDir(state.dir()).filePath("missing.txt"), dangling, link("to-folder", folder)}) {
        drop({path});
        EXPECT_EQ(edit.toPlainText(), QStringLiteral("before")) << path.toStdString();
        EXPECT_EQ(g_strDocPath.get(), QStringLiteral("/earlier/document.txt"));
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(DropEditTest, UnreadableFileIsReportedAndKeepsTheTextAndTheDocument) {
    g_strDocPath = QStringLiteral("/earlier/document.txt");
    // Reading a process's memory at offset 0 fails with an I/O error even for root.
    const QString path = QStringLiteral("/proc/self/mem");
    EXPECT_FALSE(edit.loadDroppedFile(path));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("before"));
    EXPECT_EQ(g_strDocPath.get(), QStringLiteral("/earlier/document.txt"));
    EXPECT_EQ(ui.texts(), QStringList({QStringLiteral("读取 /proc/self/mem 时发生错误。")}));
    EXPECT_EQ(ui.boxes.at(0).title, "Tarnwick");
}

}  // namespace
