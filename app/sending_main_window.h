#pragma once

// The main window's content area: Send and Print with the repeat count and its up-down
// control, AutoSend and CutPaper, the port release timer, the File menu's document commands,
// the driver-test button's release of the links and the port options dialog. The window owns
// one of these; it installs its command handlers and signal connections on the window's
// controls when it is made.

#include "app/auto_send.h"
#include "app/main_window.h"
#include "app/port_release_timer.h"
#include "app/text_document.h"

class CQUENLORDlg::Sending final : public TextDocumentHost {
public:
    explicit Sending(CQUENLORDlg& window);
    ~Sending() override;

    // At the end of the program: ends the auto-send threads (bounded wait) before the links
    // are closed, so no thread opens a link again afterwards.
    void shutdown();

    AutoSend& autoSend() { return m_autoSend; }
    PortReleaseTimer& releaseTimer() { return m_releaseTimer; }

    // TextDocumentHost
    QString documentText() override;
    void setDocumentText(const QString& text) override;
    void setMenuItemText(int command, const QString& text) override;
    QString chooseOpenPath(const DocumentFileDialog& dialog) override;
    QString chooseSavePath(const DocumentFileDialog& dialog) override;
    void showFileError(const QString& message) override;

private:
    void OnSend();
    void OnAutoSend();
    void OnCutPaperAuto();
    void OnRepeatDelta(int delta);
    void OnDriverTest();
    void OnComSetting();
    void showContentError(ContentError error);

    CQUENLORDlg& m_window;
    AutoSend m_autoSend;
    PortReleaseTimer m_releaseTimer;
    TextDocument m_document;
};
