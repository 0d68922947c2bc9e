// Message boxes and file dialogs go through the installed service.
#include <gtest/gtest.h>

#include <QWidget>

#include "tests/support/ui_recorder.h"
#include "ui/dialog_base.h"
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

}  // namespace

namespace {

TEST(NativeFileFilter, AllFilesPatternMatchesNamesWithoutADot) {
    const struct {
        const char* documented;
        const char* native;
    } cases[] = {
        {"Text Files(*.txt);;All Files(*.*)", "Text Files(*.txt);;All Files(*)"},
        {"Bin Files(*.bin);;TXT Files(*.txt)", "Bin Files(*.bin);;TXT Files(*.txt)"},
        {"Images (*.bmp *.*)", "Images (*.bmp *)"},
        {"Odd(*.*.bak)", "Odd(*.*.bak)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NativeFileFilter(QString::fromUtf8(c.documented)), QString::fromUtf8(c.native));
    }
}

}  // namespace
