// Reading and showing a window's fields: the framework's integer rules and messages, and a
// failed reading that stops at its field.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "tests/support/ui_recorder.h"
#include "ui/dialog_base.h"
#include "ui/ip_address_edit.h"

namespace {

TEST(ParseFieldInteger, AcceptsWhatTheFrameworkAccepts) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"42", 42},
        {"  42  ", 42},
        {"\t-7\t", -7},
        {"+5", 5},
        {"007", 7},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"0x10", std::nullopt},
        {"1.5", std::nullopt},
        {"--1", std::nullopt},
        {"\xEF\xBC\x91\xEF\xBC\x92", std::nullopt},  // full-width digits
        {"\n5", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseFieldInteger(QString::fromUtf8(c.text)), c.value) << c.text;
    }
}

// A window with the main window's kinds of fields, in the main window's order.
class FieldsDialog : public DialogBase {
public:
    FieldsDialog() {
        addControl<QRadioButton>(1000, 14, 17, 30, 10, QStringLiteral("LPT"));
        addControl<QRadioButton>(1001, 55, 17, 30, 10, QStringLiteral("COM"));
        addControl<QRadioButton>(1002, 96, 17, 30, 10, QStringLiteral("USB"));
        addControl<QRadioButton>(1003, 134, 17, 30, 10, QStringLiteral("NET"));
        radioGroup({1000, 1001, 1002, 1003});
        addControl<QPlainTextEdit>(1019, 10, 40, 250, 60);
        addControl<QCheckBox>(1024, 10, 105, 30, 10, QStringLiteral("HEX"));
        auto* lpt = addControl<QComboBox>(1007, 10, 120, 43, 30);
        lpt->addItems({"LPT1", "LPT2", "LPT3"});
        addControl<IpAddressEdit>(1011, 63, 140, 101, 15);
        addControl<QLineEdit>(1020, 77, 160, 28, 13);
        addControl<QCheckBox>(1081, 110, 160, 39, 10, QStringLiteral("Auto"));
        addControl<QLineEdit>(1082, 160, 160, 27, 12);
        setDialogSize(280, 180);
    }

    int m_nPort = 3;
    QString m_strContent;
    int m_bHex = 0;
    QString m_strLptName = QStringLiteral("LPT1");
    quint32 m_dwPrinterIp = 0;
    int m_nRepeat = 1;
    int m_bAutoSend = 0;
    int m_nPeriod = 500;

protected:
    void exchangeFields(FieldExchange& dx) override {
        dx.radio({1000, 1001, 1002, 1003}, m_nPort);
        dx.text(1019, m_strContent);
        dx.check(1024, m_bHex);
        dx.comboText(1007, m_strLptName);
        dx.address(1011, m_dwPrinterIp);
        dx.integer(1020, m_nRepeat);
        dx.check(1081, m_bAutoSend);
        dx.integer(1082, m_nPeriod, 1, 65535);
    }
};

class FieldExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.showFields();
    }
    QLineEdit* edit(int id) { return dialog.control<QLineEdit>(id); }

    UiRecorder ui;
    FieldsDialog dialog;
};

TEST_F(FieldExchangeTest, ShowThenReadGivesTheFieldsBack) {
    dialog.m_nPort = 1;
    dialog.m_strContent = QStringLiteral("第一行\r\nsecond line\r\n");
    dialog.m_bHex = 1;
    dialog.m_strLptName = QStringLiteral("lpt2");
    dialog.m_dwPrinterIp = 0xC0A87B64;
    dialog.m_nRepeat = 12;
    dialog.m_bAutoSend = 1;
    dialog.m_nPeriod = 65535;
    dialog.showFields();

    EXPECT_TRUE(dialog.control<QRadioButton>(1001)->isChecked());
    EXPECT_EQ(dialog.control<QPlainTextEdit>(1019)->toPlainText(),
              QStringLiteral("第一行\nsecond line\n"));
    EXPECT_EQ(dialog.control<QComboBox>(1007)->currentText(), "LPT2");
    EXPECT_EQ(edit(1020)->text(), "12");

    dialog.m_strLptName.clear();
    ASSERT_TRUE(dialog.readFields());
    EXPECT_EQ(dialog.m_nPort, 1);
    EXPECT_EQ(dialog.m_strContent, QStringLiteral("第一行\r\nsecond line\r\n"));
    EXPECT_EQ(dialog.m_bHex, 1);
    EXPECT_EQ(dialog.m_strLptName, "LPT2");
    EXPECT_EQ(dialog.m_dwPrinterIp, 0xC0A87B64u);
    EXPECT_EQ(dialog.m_nRepeat, 12);
    EXPECT_EQ(dialog.m_bAutoSend, 1);
    EXPECT_EQ(dialog.m_nPeriod, 65535);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FieldExchangeTest, RadioIndexOutsideTheGroupChecksNone) {
    dialog.m_nPort = -1;
    dialog.showFields();
    for (int id : {1000, 1001, 1002, 1003}) {
        EXPECT_FALSE(dialog.control<QRadioButton>(id)->isChecked()) << id;
    }
    dialog.m_nPort = 7;
    dialog.showFields();
    dialog.m_nPort = 2;
    ASSERT_TRUE(dialog.readFields());
    EXPECT_EQ(dialog.m_nPort, -1);
}

TEST_F(FieldExchangeTest, ComboTextThatMatchesNoItemLeavesNoSelection) {
    for (const char* name : {"LPT5", ""}) {
        dialog.m_strLptName = QString::fromUtf8(name);
        dialog.showFields();
        EXPECT_EQ(dialog.control<QComboBox>(1007)->currentIndex(), -1) << name;
        dialog.m_strLptName = QStringLiteral("stale");
        ASSERT_TRUE(dialog.readFields());
        EXPECT_EQ(dialog.m_strLptName, QString()) << name;
    }
}

TEST_F(FieldExchangeTest, InvalidIntegerStopsTheReadingAtItsField) {
    struct Case {
        const char* repeat;
        const char* period;
        const char* message;
        int failingId;
    };
    const Case cases[] = {
        {"abc", "100", "请输入一个整数。", 1020},
        {"", "100", "请输入一个整数。", 1020},
        {"2147483648", "100", "请输入一个整数。", 1020},
        {"3", "", "请输入一个整数。", 1082},
        {"3", "0", "请输入一个 1 至 65535 之间的整数。", 1082},
        {"3", "65536", "请输入一个 1 至 65535 之间的整数。", 1082},
        {"3", "-1", "请输入一个 1 至 65535 之间的整数。", 1082},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.repeat) + " / " + c.period);
        dialog.m_nRepeat = 1;
        dialog.m_bAutoSend = 0;
        dialog.m_nPeriod = 500;
        dialog.m_nPort = 3;
        dialog.showFields();
        dialog.control<QRadioButton>(1000)->setChecked(true);
        edit(1020)->setText(QString::fromUtf8(c.repeat));
        dialog.control<QCheckBox>(1081)->setChecked(true);
        edit(1082)->setText(QString::fromUtf8(c.period));
        ui.boxes.clear();

        EXPECT_FALSE(dialog.readFields());

        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(ui.boxes[0].title, "Tarnwick");
        EXPECT_EQ(ui.boxes[0].icon, MessageIcon::Information);
        EXPECT_EQ(QApplication::focusWidget(), edit(c.failingId));
        // Fields before the failing one were read, the ones after it were not.
        EXPECT_EQ(dialog.m_nPort, 0);
        if (c.failingId == 1020) {
            EXPECT_EQ(dialog.m_nRepeat, 1);
            EXPECT_EQ(dialog.m_bAutoSend, 0);
        } else {
            EXPECT_EQ(dialog.m_nRepeat, 3);
            EXPECT_EQ(dialog.m_bAutoSend, 1);
        }
        EXPECT_EQ(dialog.m_nPeriod, 500);
    }
}

TEST_F(FieldExchangeTest, RangeBoundsAreAccepted) {
    for (const char* period : {"1", " 65535 ", "+00010"}) {
        edit(1082)->setText(QString::fromUtf8(period));
        EXPECT_TRUE(dialog.readFields()) << period;
    }
    EXPECT_EQ(dialog.m_nPeriod, 10);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(FieldExchangeTest, AnExchangeAfterAFailureTouchesNothing) {
    FieldExchange dx(&dialog, FieldExchange::Direction::Read);
    edit(1020)->setText(QStringLiteral("x"));
    int repeat = 9;
    EXPECT_FALSE(dx.integer(1020, repeat));
    QString content = QStringLiteral("kept");
    int hex = 5;
    quint32 address = 7;
    EXPECT_FALSE(dx.text(1019, content) || dx.check(1024, hex) || dx.address(1011, address));
    EXPECT_EQ(repeat, 9);
    EXPECT_EQ(content, "kept");
    EXPECT_EQ(hex, 5);
    EXPECT_EQ(address, 7u);
    EXPECT_EQ(ui.boxes.size(), 1u);
}

}  // namespace
