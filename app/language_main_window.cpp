// The main window's interface language: menu bar, control texts and greeting.

#include "app/language_texts.h"
#include "app/main_controls.h"
#include "app/main_window.h"
#include "core/message.h"
#include "core/program_state.h"

// The status line and the status text stay as they are; the next message comes in the new
// language. A field that cannot be read is reported, and the switch still completes: the
// language flag is already set, and the window must show the language it names.
void CQUENLORDlg::ApplyLanguage(int chinese) {
    readFields();
    const bool zh = chinese != 0;
    installMenuBar(zh);
    for (const LanguageControlText& entry : LanguageControlTexts()) {
        const QString text = LanguageTextFor(entry.id, zh);
        if (!text.isNull()) {
            setControlText(entry.id, text);
        }
    }
    m_strContent = Text(kGreeting, zh);
    showFields();
}

void CQUENLORDlg::onLanguageButton() {
    g_bChinese = g_bChinese.load() == 0 ? 1 : 0;
    ApplyLanguage(g_bChinese);
}

void CQUENLORDlg::onLanguageMenu(int chinese) {
    g_bChinese = chinese;
    ApplyLanguage(chinese);
}
