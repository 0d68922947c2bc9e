#include "app/sending_main_window.h"

#include <QAction>
#include <QCheckBox>

#include "app/main_commands.h"
#include "app/main_controls.h"
#include "app/send_text.h"
#include "core/program_state.h"
#include "link/com_set_dialog.h"
#include "link/link_manager.h"
#include "ui/field_exchange.h"
#include "ui/ui_service.h"
#include "ui/up_down.h"

CQUENLORDlg::Sending::Sending(CQUENLORDlg& window) : m_window(window), m_document(*this) {
    CQUENLORDlg& w = m_window;
    w.setCommandHandler(IDC_SEND, [this] { OnSend(); });
    w.setCommandHandler(ID_FILE_PRINT, [this] { OnSend(); });
    w.setCommandHandler(IDC_DRIVER_TEST, [this] { OnDriverTest(); });
    w.setCommandHandler(IDC_CLEAR, [this] { m_document.newDocument(); });
    w.setCommandHandler(ID_FILE_NEW, [this] { m_document.newDocument(); });
    w.setCommandHandler(ID_FILE_OPEN, [this] { m_document.open(); });
    w.setCommandHandler(ID_FILE_SAVE, [this] { m_document.save(); });
    w.setCommandHandler(ID_FILE_SAVE_AS, [this] { m_document.saveAs(); });
    w.setCommandHandler(ID_FILE_CLOSE, [this] { m_document.close(); });
    w.setCommandHandler(ID_COM_SETTING, [this] { OnComSetting(); });

    if (auto* box = qobject_cast<QCheckBox*>(w.control(IDC_AUTO_SEND))) {
        QObject::connect(box, &QCheckBox::clicked, &w, [this] { OnAutoSend(); });
    }
    if (auto* box = qobject_cast<QCheckBox*>(w.control(IDC_CUT_AUTO))) {
        QObject::connect(box, &QCheckBox::clicked, &w, [this] { OnCutPaperAuto(); });
    }
    if (auto* spin = qobject_cast<UpDown*>(w.control(IDC_REPEAT_SPIN))) {
        QObject::connect(spin, &UpDown::deltaPos, &w,
                         [this](int, int delta) { OnRepeatDelta(delta); });
    }
}

CQUENLORDlg::Sending::~Sending() {
    shutdown();
}

void CQUENLORDlg::Sending::shutdown() {
    m_autoSend.shutdown(AutoSend::kExitWait);
}

void CQUENLORDlg::Sending::showContentError(ContentError error) {
    if (error != ContentError::None) {
        ShowMessage(&m_window, ContentErrorText(error));
    }
}

// Send button and Print (Ctrl+P).
void CQUENLORDlg::Sending::OnSend() {
    if (!m_window.readFields()) {
        return;
    }
    showContentError(
        SendText(m_window.m_strContent, m_window.m_bHex != 0, m_window.m_nRepeat, &m_releaseTimer));
}

// The AutoSend box: the Send button is disabled while it is ticked, also when the start fails.
void CQUENLORDlg::Sending::OnAutoSend() {
    if (!m_window.readFields()) {
        return;
    }
    const bool ticked = m_window.m_bAutoSend != 0;
    m_window.control(IDC_SEND)->setEnabled(!ticked);
    showContentError(m_autoSend.setAutoSend(ticked, m_window.m_strContent, m_window.m_bHex != 0,
                                            m_window.m_nPeriod));
}

void CQUENLORDlg::Sending::OnCutPaperAuto() {
    const auto* box = qobject_cast<QCheckBox*>(m_window.control(IDC_CUT_AUTO));
    g_bCutPaperAuto = box && box->isChecked() ? 1 : 0;
}

// The up arrow reports a negative change and raises the count; the down arrow lowers it, never
// below 1.
void CQUENLORDlg::Sending::OnRepeatDelta(int delta) {
    if (!m_window.readFields()) {
        return;
    }
    if (delta > 0) {
        m_window.m_nRepeat = qMax(1, m_window.m_nRepeat - 1);
    } else if (delta < 0) {
        m_window.m_nRepeat = m_window.m_nRepeat + 1;
    }
    m_window.showFields();
}

// The printer is handed to the system's print service: every link is let go first.
void CQUENLORDlg::Sending::OnDriverTest() {
    CloseAllLinks();
}

void CQUENLORDlg::Sending::OnComSetting() {
    CComSetDialog::Open(&m_window, m_window.m_dwPrinterIp);
}

QString CQUENLORDlg::Sending::documentText() {
    // The content comes before the validated numbers, so it is taken even when one of them
    // shows its message.
    m_window.readFields();
    return m_window.m_strContent;
}

// Only the content box is shown again: values typed into other controls and not yet read stay.
void CQUENLORDlg::Sending::setDocumentText(const QString& text) {
    m_window.m_strContent = text;
    FieldExchange show(&m_window, FieldExchange::Direction::Show);
    show.text(IDC_CONTENT, m_window.m_strContent);
}

void CQUENLORDlg::Sending::setMenuItemText(int command, const QString& text) {
    if (QAction* action = m_window.menuAction(command, g_bChinese != 0)) {
        action->setText(text);
    }
}

QString CQUENLORDlg::Sending::chooseOpenPath(const DocumentFileDialog& dialog) {
    return ChooseOpenFile(&m_window,
                          {dialog.title, dialog.filter, QString(), dialog.defaultSuffix});
}

QString CQUENLORDlg::Sending::chooseSavePath(const DocumentFileDialog& dialog) {
    return ChooseSaveFile(&m_window,
                          {dialog.title, dialog.filter, QString(), dialog.defaultSuffix});
}

void CQUENLORDlg::Sending::showFileError(const QString& message) {
    ShowMessage(&m_window, message);
}
