// The main window's tables, checked against each other without a window: every language text
// names a real control, the two menu bars carry the same commands, the accelerators match the
// shortcut texts of the menus, and the port rules.

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include "app/language_texts.h"
#include "app/main_commands.h"
#include "app/main_controls.h"
#include "app/port_controls.h"

namespace {

TEST(MainTables, EveryLanguageTextNamesAControlThatShowsText) {
    QSet<int> seen;
    for (const LanguageControlText& entry : LanguageControlTexts()) {
        const ControlSpec* spec = FindMainControl(entry.id);
        ASSERT_NE(spec, nullptr) << entry.id;
        EXPECT_NE(spec->kind, ControlKind::IpAddress) << entry.id;
        EXPECT_NE(spec->kind, ControlKind::Edit) << entry.id;
        EXPECT_FALSE(seen.contains(entry.id)) << "listed twice: " << entry.id;
        seen.insert(entry.id);
    }
    // Controls with one text for both languages are not in the table.
    for (int id : {1002, 1004, 1005, 1006, 1018, 1024, 1156, 1150, 1151}) {
        EXPECT_TRUE(LanguageTextFor(id, true).isNull()) << id;
        EXPECT_TRUE(LanguageTextFor(id, false).isNull()) << id;
    }
}

QList<int> Commands(bool chinese) {
    QList<int> commands;
    for (const MenuPopupSpec& popup : MenuBarSpec(chinese)) {
        for (const MenuItemSpec& item : popup.items) {
            commands.append(item.command);
        }
    }
    return commands;
}

TEST(MainTables, BothMenuBarsCarryTheSameCommandsInTheSameOrder) {
    QList<int> zh = Commands(true);
    QList<int> en = Commands(false);
    // The network settings item is the one command with a different number per bar.
    ASSERT_EQ(zh.count(ID_NET_SETTING_ZH), 1);
    ASSERT_EQ(en.count(ID_NET_SETTING_EN), 1);
    zh.replace(zh.indexOf(ID_NET_SETTING_ZH), ID_NET_SETTING_EN);
    EXPECT_EQ(zh, en);
    EXPECT_EQ(QSet<int>(zh.begin(), zh.end()).size(), zh.size()) << "a command listed twice";
}

// A menu text "…\tCtrl+X" promises an accelerator; every accelerator but Save As shows one.
TEST(MainTables, AcceleratorsMatchTheShortcutTextsOfBothBars) {
    for (const bool chinese : {true, false}) {
        QStringList promised;
        for (const MenuPopupSpec& popup : MenuBarSpec(chinese)) {
            for (const MenuItemSpec& item : popup.items) {
                const QString text = QString::fromUtf8(item.text);
                if (text.contains(u'\t')) {
                    promised
                        << QStringLiteral("%1=%2").arg(text.section(u'\t', 1)).arg(item.command);
                }
            }
        }
        QStringList given;
        for (const Accelerator& a : AcceleratorTable()) {
            if (a.command != ID_FILE_SAVE_AS) {
                given << QStringLiteral("%1=%2").arg(QString::fromLatin1(a.keys)).arg(a.command);
            }
        }
        promised.sort();
        given.sort();
        EXPECT_EQ(promised, given) << (chinese ? "Chinese" : "English");
    }
}

TEST(PortControls, EnableRulesPerPortType) {
    struct Case {
        int port;
        PortControlRule rule;
    };
    const std::optional<bool> keep;
    const Case cases[] = {
        {0, {true, false, false, false, keep}},  {1, {false, true, true, true, keep}},
        {2, {false, false, false, false, keep}}, {3, {false, false, false, false, true}},
        {-1, {keep, keep, keep, keep, keep}},    {7, {keep, keep, keep, keep, keep}},
    };
    for (const Case& c : cases) {
        const PortControlRule r = PortControlsFor(c.port);
        EXPECT_EQ(r.lptList, c.rule.lptList) << c.port;
        EXPECT_EQ(r.comList, c.rule.comList) << c.port;
        EXPECT_EQ(r.baudList, c.rule.baudList) << c.port;
        EXPECT_EQ(r.flowList, c.rule.flowList) << c.port;
        EXPECT_EQ(r.netButtons, c.rule.netButtons) << c.port;
    }
}

TEST(PortControls, StoredNameSelectsFirstItemBeginningWithIt) {
    QStringList com;
    for (int i = 1; i <= 255; ++i) {
        com << QStringLiteral("COM%1").arg(i);
    }
    com << QStringLiteral("/dev/ttyUSB0");
    struct Case {
        const char* text;
        int index;
    };
    const Case cases[] = {
        {"COM1", 0},    {"COM2", 1},  {"com12", 11},         {"COM25", 24},
        {"COM256", -1}, {"LPT1", -1}, {"/dev/ttyUSB0", 255}, {"", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindItemWithPrefix(com, QString::fromUtf8(c.text)), c.index) << c.text;
    }
    EXPECT_EQ(FindItemWithPrefix(BaudListItems(), QStringLiteral("300")), -1);
    EXPECT_EQ(FindItemWithPrefix(BaudListItems(), QStringLiteral("9600")), 3);
    EXPECT_EQ(FindItemWithPrefix(BaudListItems(), QStringLiteral("12")), 0);  // 1200 first
    EXPECT_EQ(FindItemWithPrefix(LptListItems(), QStringLiteral("LPT5")), -1);
}

}  // namespace
