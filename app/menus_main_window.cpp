// The main window's menu bars, accelerators, commands, window menu and About box.

#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QUrl>

#include "app/about_dialog.h"
#include "app/language_texts.h"
#include "app/main_commands.h"
#include "app/main_controls.h"
#include "app/main_window.h"
#include "app/quick_actions.h"
#include "core/message.h"
#include "core/program_state.h"

namespace {

// The window menu's own items follow the interface language like the desktop's would.
const Message kMenuRestore = {"还原(&R)", "&Restore"};
const Message kMenuMinimize = {"最小化(&N)", "Mi&nimize"};
const Message kMenuClose = {"关闭(&C)", "&Close"};

// One menu bar from its table; each item runs its command.
QList<QMenu*> BuildMenuBar(bool chinese, CQUENLORDlg* owner) {
    QList<QMenu*> menus;
    for (const MenuPopupSpec& popup : MenuBarSpec(chinese)) {
        auto* menu = new QMenu(QString::fromUtf8(popup.title), owner);
        for (const MenuItemSpec& item : popup.items) {
            QAction* action = menu->addAction(QString::fromUtf8(item.text));
            const int command = item.command;
            action->setData(command);
            QObject::connect(action, &QAction::triggered, owner,
                             [owner, command] { owner->runCommand(command); });
        }
        menus.append(menu);
    }
    return menus;
}

}  // namespace

void CQUENLORDlg::createMenus() {
    m_menuChinese = BuildMenuBar(true, this);
    m_menuEnglish = BuildMenuBar(false, this);
}

// The window's own commands; the buttons and items of the other dialogs are taken over by
// their features through setCommandHandler.
void CQUENLORDlg::registerCommands() {
    setCommandHandler(ID_APP_EXIT, [this] { reject(); });
    setCommandHandler(ID_APP_ABOUT, [this] { showAboutBox(); });
    setCommandHandler(ID_LANG_ENGLISH, [this] { onLanguageMenu(0); });
    setCommandHandler(ID_LANG_CHINESE, [this] { onLanguageMenu(1); });
    setCommandHandler(IDC_LANGUAGE, [this] { onLanguageButton(); });
    setCommandHandler(IDC_WEBSITE,
                      [] { QDesktopServices::openUrl(QUrl(QStringLiteral(TARNWICK_WEBSITE))); });
    setCommandHandler(IDC_CUT_PAPER, [] { CutPaper(); });
    setCommandHandler(IDC_CASH_DRAWER, [] {
        OpenCashDrawer();
        ShowStatus();
    });
    setCommandHandler(IDC_TRADITIONAL, [this] { onTraditionalSample(); });
}

// The sample of the selected model, then the cut; a missing file is reported and nothing sent.
void CQUENLORDlg::onTraditionalSample() {
    if (!readFields()) {
        return;
    }
    QString fileError;
    if (SendTraditionalSample(m_appDir, g_nPrinterModel, &fileError) < 0) {
        messageBox(fileError);
    }
}

// Installs one of the two menu bars; the other's popups stay alive for the next switch.
void CQUENLORDlg::installMenuBar(bool chinese) {
    m_menuBar->clear();
    for (QMenu* menu : chinese ? m_menuChinese : m_menuEnglish) {
        m_menuBar->addMenu(menu);
    }
}

QAction* CQUENLORDlg::menuAction(int command, bool chinese) const {
    for (const QMenu* menu : chinese ? m_menuChinese : m_menuEnglish) {
        for (QAction* action : menu->actions()) {
            if (action->data().toInt() == command) {
                return action;
            }
        }
    }
    return nullptr;
}

// The accelerators work wherever the focus is in the window, before the controls see the key.
void CQUENLORDlg::createAccelerators() {
    for (const Accelerator& accelerator : AcceleratorTable()) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(accelerator.keys)), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int command = accelerator.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] { runCommand(command); });
    }
}

void CQUENLORDlg::runCommand(int command) {
    const auto handler = m_handlers.find(command);
    if (handler != m_handlers.end() && *handler) {
        (*handler)();
    }
}

void CQUENLORDlg::setCommandHandler(int command, std::function<void()> handler) {
    m_handlers.insert(command, std::move(handler));
}

// The window menu of the painted caption: restore, minimise, close and the About item.
void CQUENLORDlg::showWindowMenu(const QPoint& globalPos) {
    QMenu menu(this);
    QAction* restore = menu.addAction(Text(kMenuRestore), this, [this] { showNormal(); });
    restore->setEnabled(isMinimized() || isMaximized());
    menu.addAction(Text(kMenuMinimize), this, [this] { showMinimized(); });
    QAction* close = menu.addAction(Text(kMenuClose), this, [this] { reject(); });
    close->setShortcut(QKeySequence(QStringLiteral("Alt+F4")));
    if (const QString text = QString::fromUtf8(kAboutMenuText); !text.isEmpty()) {
        menu.addSeparator();
        QAction* about = menu.addAction(text, this, [this] { showAboutBox(); });
        about->setData(IDM_ABOUTBOX);
    }
    menu.exec(globalPos);
}

void CQUENLORDlg::showAboutBox() {
    CAboutDlg about(this);
    about.exec();
}
