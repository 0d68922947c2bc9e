// Message boxes and file dialogs go through the installed service; the framework's file-error
// texts name the file.
#include <gtest/gtest.h>

#include <QWidget>
#include <cerrno>

#include "tests/support/ui_recorder.h"
#include "ui/dialog_base.h"
#include "ui/file_error.h"
#include "ui/ui_service.h"

namespace {

TEST(UiService, RecorderTakesMessagesAndAnswersFileDialogs) {
    UiRecorder ui;
    DialogBase dialog;
    dialog.messageBox(QStringLiteral("设置成功！"));
    ShowMessage(nullptr, QStringLiteral("second"));
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("设置成功！"));
    EXPECT_EQ(ui.boxes[0].title, "Tarnwick");
    EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.boxes[0].parent, &dialog);
    EXPECT_EQ(ui.lastText(), "second");

    ui.answerFile(QStringLiteral("/tmp/chosen.txt"));
    const FileDialogRequest open{QStringLiteral("打开"), QStringLiteral("文本文件 (*.txt)"),
                                 QStringLiteral("a.txt"), QString()};
    EXPECT_EQ(ChooseOpenFile(&dialog, open), "/tmp/chosen.txt");
    EXPECT_EQ(ChooseSaveFile(&dialog, {QStringLiteral("保存"), {}, {}, {}}), QString());
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_FALSE(ui.fileDialogs[0].save);
    EXPECT_EQ(ui.fileDialogs[0].request.title, QStringLiteral("打开"));
    EXPECT_EQ(ui.fileDialogs[0].request.filter, QStringLiteral("文本文件 (*.txt)"));
    EXPECT_EQ(ui.fileDialogs[0].request.initialName, "a.txt");
    EXPECT_TRUE(ui.fileDialogs[1].save);
}

TEST(UiService, RecordersNestAndPutThePreviousServiceBack) {
    UiRecorder outer;
    {
        UiRecorder inner;
        EXPECT_EQ(&CurrentUiService(), &inner);
        ShowMessage(nullptr, QStringLiteral("inner"));
    }
    EXPECT_EQ(&CurrentUiService(), &outer);
    ShowMessage(nullptr, QStringLiteral("outer"));
    EXPECT_EQ(outer.texts(), QStringList({"outer"}));
}

TEST(FileError, TextNamesTheFileByKindOfFailure) {
    struct Case {
        int error;
        const char* text;
    };
    const Case cases[] = {
        {ENOENT, "没有找到 /d/f.txt。"},
        {EACCES, "拒绝访问 /d/f.txt。"},
        {EPERM, "拒绝访问 /d/f.txt。"},
        {EISDIR, "拒绝访问 /d/f.txt。"},
        {ENOTDIR, "/d/f.txt 包含无效的路径。"},
        {EMFILE, "由于打开的文件太多，无法打开 /d/f.txt。"},
        {EIO, "访问 /d/f.txt 时报告了硬件 I/O 错误。"},
        {ENOSPC, "访问 /d/f.txt 时磁盘已满。"},
        {EINVAL, "访问 /d/f.txt 时发生意外错误。"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileErrorText(c.error, QStringLiteral("/d/f.txt")), QString::fromUtf8(c.text))
            << c.error;
    }
}

TEST(FileError, ReadFileBytesReportsErrno) {
    QByteArray bytes("untouched");
    int error = 0;
    EXPECT_FALSE(ReadFileBytes(QStringLiteral("/nonexistent/dir/file"), bytes, error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_EQ(bytes, "untouched");
    EXPECT_FALSE(ReadFileBytes(QStringLiteral("/"), bytes, error));
    EXPECT_EQ(error, EISDIR);
}

}  // namespace
