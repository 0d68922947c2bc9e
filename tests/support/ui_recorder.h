#pragma once

// A UiService for window tests: records every message box instead of showing it, and answers
// file dialogs with paths the test queued (an empty answer, or none queued, is a cancel).
// Installed while it lives; the previous service comes back when it goes.
//
//     UiRecorder ui;
//     ui.answerFile("/tmp/x.txt");
//     ...click...
//     EXPECT_EQ(ui.lastText(), "请输入一个整数。");

#include <QStringList>
#include <deque>
#include <vector>

#include "ui/ui_service.h"

class UiRecorder final : public UiService {
public:
    struct Box {
        QString text;
        QString title;
        MessageIcon icon;
        QWidget* parent;
    };
    struct FileDialog {
        bool save;
        FileDialogRequest request;
    };

    UiRecorder() : m_previous(InstallUiService(this)) {}
    ~UiRecorder() override { InstallUiService(m_previous); }
    UiRecorder(const UiRecorder&) = delete;
    UiRecorder& operator=(const UiRecorder&) = delete;

    void messageBox(QWidget* parent, const QString& text, const QString& title,
                    MessageIcon icon) override {
        boxes.push_back({text, title, icon, parent});
    }
    QString openFileName(QWidget*, const FileDialogRequest& request) override {
        return answer(false, request);
    }
    QString saveFileName(QWidget*, const FileDialogRequest& request) override {
        return answer(true, request);
    }

    // The next file dialog returns this path.
    void answerFile(const QString& path) { m_answers.push_back(path); }

    QStringList texts() const {
        QStringList result;
        for (const Box& box : boxes) {
            result << box.text;
        }
        return result;
    }
    QString lastText() const { return boxes.empty() ? QString() : boxes.back().text; }

    std::vector<Box> boxes;
    std::vector<FileDialog> fileDialogs;

private:
    QString answer(bool save, const FileDialogRequest& request) {
        fileDialogs.push_back({save, request});
        if (m_answers.empty()) {
            return QString();
        }
        QString path = m_answers.front();
        m_answers.pop_front();
        return path;
    }

    UiService* m_previous;
    std::deque<QString> m_answers;
};
