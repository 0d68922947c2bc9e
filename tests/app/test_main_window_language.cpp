// The interface language of the main window: the button, the two menu items, and what a
// switch leaves alone.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "app/language_texts.h"
#include "app/main_commands.h"
#include "core/program_state.h"
#include "main_window_fixture.h"

namespace {

// Every control of the language table shows its text of the language, and the menu bar is
// that language's.
void ExpectLanguage(const CQUENLORDlg& window, bool chinese) {
    for (const LanguageControlText& entry : LanguageControlTexts()) {
        const QWidget* control = window.control(entry.id);
        ASSERT_NE(control, nullptr) << entry.id;
        QString shown;
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            shown = button->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            shown = label->text();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
            shown = group->title();
        }
        EXPECT_EQ(shown, LanguageTextFor(entry.id, chinese)) << entry.id;
    }
    const QList<QAction*> popups = window.menuBar()->actions();
    const auto spec = MenuBarSpec(chinese);
    ASSERT_EQ(popups.size(), static_cast<qsizetype>(spec.size()));
    for (size_t i = 0; i < spec.size(); ++i) {
        EXPECT_EQ(popups[i]->text(), QString::fromUtf8(spec[i].title));
        const QList<QAction*> items = popups[i]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(spec[i].items.size()));
        for (size_t j = 0; j < spec[i].items.size(); ++j) {
            EXPECT_EQ(items[j]->text(), QString::fromUtf8(spec[i].items[j].text));
            EXPECT_EQ(items[j]->data().toInt(), spec[i].items[j].command);
        }
    }
}

QString Content(const CQUENLORDlg& window) {
    return FindControl<QPlainTextEdit>(&window, 1019)->toPlainText();
}

TEST_F(MainWindowTest, LanguageButtonSwitchesAndSwitchesBack) {
    start();
    ExpectLanguage(*window, true);
    const QString status = ctl<QLineEdit>(1105)->text();
    for (const bool chinese : {false, true}) {
        ctl<QPlainTextEdit>(1019)->setPlainText(QStringLiteral("typed text"));
        ctl<QAbstractButton>(1069)->click();
        EXPECT_EQ(g_bChinese.load(), chinese ? 1 : 0);
        ExpectLanguage(*window, chinese);
        // The typed content gives way to the greeting; the status line stays.
        EXPECT_EQ(
            Content(*window) + u'\n',
            Text(kGreeting, chinese).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + u'\n');
        EXPECT_EQ(ctl<QLineEdit>(1105)->text(), status);
    }
}

TEST_F(MainWindowTest, LanguageMenuItemsSetTheirLanguageEvenWhenActive) {
    start();
    for (const bool chinese : {false, false, true, true}) {
        ctl<QPlainTextEdit>(1019)->setPlainText(QStringLiteral("typed text"));
        window->menuAction(chinese ? ID_LANG_CHINESE : ID_LANG_ENGLISH, !chinese)->trigger();
        EXPECT_EQ(g_bChinese.load(), chinese ? 1 : 0);
        ExpectLanguage(*window, chinese);
        EXPECT_NE(Content(*window), QStringLiteral("typed text"));
    }
}

// An unreadable field is reported, but the window still shows the language the flag names.
TEST_F(MainWindowTest, SwitchCompletesWhenAFieldCannotBeRead) {
    start();
    ctl<QLineEdit>(1020)->setText(QStringLiteral("x"));
    ctl<QAbstractButton>(1069)->click();
    EXPECT_EQ(ui.lastText(), QStringLiteral("请输入一个整数。"));
    EXPECT_EQ(g_bChinese.load(), 0);
    ExpectLanguage(*window, false);
}

// A message produced after a switch comes in the new language; the port radio texts have
// one form.
TEST_F(MainWindowTest, NextMessageComesInTheNewLanguage) {
    start();
    ctl<QAbstractButton>(1069)->click();
    ctl<QAbstractButton>(1000)->click();
    EXPECT_EQ(ctl<QLineEdit>(1105)->text(), QStringLiteral("LPT:"));
    auto* lpt = FindControl<QComboBox>(window.get(), 1007);
    lpt->setCurrentIndex(2);
    emit lpt->activated(2);
    EXPECT_TRUE(ctl<QLineEdit>(1105)->text().startsWith(QStringLiteral("LPT3 ")) ||
                ctl<QLineEdit>(1105)->text().startsWith(QStringLiteral("Open LPT3")))
        << ctl<QLineEdit>(1105)->text().toStdString();
}

}  // namespace
