#include "ui/ui_service.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

// The real thing: Qt's message box and file dialogs.
class DesktopUiService final : public UiService {
public:
    void messageBox(QWidget* parent, const QString& text, const QString& title,
                    MessageIcon icon) override {
        QMessageBox box(ToQtIcon(icon), title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    QString openFileName(QWidget* parent, const FileDialogRequest& request) override {
        return run(parent, request, QFileDialog::AcceptOpen);
    }

    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override {
        return run(parent, request, QFileDialog::AcceptSave);
    }

private:
    static QMessageBox::Icon ToQtIcon(MessageIcon icon) {
        switch (icon) {
            case MessageIcon::Warning:
                return QMessageBox::Warning;
            case MessageIcon::Critical:
                return QMessageBox::Critical;
            case MessageIcon::Information:
                break;
        }
        return QMessageBox::Information;
    }

    static QString run(QWidget* parent, const FileDialogRequest& request,
                       QFileDialog::AcceptMode mode) {
        QFileDialog dialog(parent, request.title, QString(), NativeFileFilter(request.filter));
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        if (!request.initialName.isEmpty()) {
            dialog.selectFile(request.initialName);
        }
        if (!request.defaultSuffix.isEmpty()) {
            dialog.setDefaultSuffix(request.defaultSuffix);
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return QString();
        }
        return dialog.selectedFiles().constFirst();
    }
};

UiService* g_installed = nullptr;

}  // namespace

UiService::~UiService() = default;

UiService& CurrentUiService() {
    static DesktopUiService desktop;
    return g_installed ? *g_installed : desktop;
}

UiService* InstallUiService(UiService* service) {
    UiService* previous = g_installed;
    g_installed = service;
    return previous;
}

void ShowMessage(QWidget* parent, const QString& text) {
    CurrentUiService().messageBox(parent, text, QString::fromUtf8(kProgramName),
                                  MessageIcon::Information);
}

QString NativeFileFilter(const QString& filter) {
    static const QRegularExpression allFiles(QStringLiteral("(?<=[(\\s])\\*\\.\\*(?=[)\\s])"));
    QString native = filter;
    return native.replace(allFiles, QStringLiteral("*"));
}

QString ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) {
    return CurrentUiService().openFileName(parent, request);
}

QString ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) {
    return CurrentUiService().saveFileName(parent, request);
}
