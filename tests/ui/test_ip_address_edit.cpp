// The IPv4 address control: its value, blank fields, and typing like the classic control.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "ui/ip_address_edit.h"

namespace {

QStringList Octets(const IpAddressEdit& edit) {
    QStringList texts;
    for (int i = 0; i < 4; ++i) {
        texts << edit.octetEdit(i)->text();
    }
    return texts;
}

TEST(IpAddressEdit, ValueRoundTripsWithFirstOctetMostSignificant) {
    struct Case {
        quint32 value;
        QStringList octets;
    };
    const Case cases[] = {
        {0x00000000, {"0", "0", "0", "0"}},    {0xC0A87B64, {"192", "168", "123", "100"}},
        {0x01020304, {"1", "2", "3", "4"}},    {0xFFFFFFFF, {"255", "255", "255", "255"}},
        {0x0A00FF01, {"10", "0", "255", "1"}},
    };
    IpAddressEdit edit;
    for (const Case& c : cases) {
        edit.setAddress(c.value);
        EXPECT_EQ(Octets(edit), c.octets) << c.value;
        EXPECT_EQ(edit.address(), c.value);
        EXPECT_FALSE(edit.isBlank());
    }
}

TEST(IpAddressEdit, BlankReadsAsZeroAndEmptyBoxesCountAsZero) {
    IpAddressEdit edit;
    EXPECT_TRUE(edit.isBlank());
    EXPECT_EQ(edit.address(), 0u);
    EXPECT_EQ(edit.octet(0), -1);

    edit.octetEdit(0)->setText(QStringLiteral("10"));
    edit.octetEdit(3)->setText(QStringLiteral("7"));
    EXPECT_FALSE(edit.isBlank());
    EXPECT_EQ(edit.address(), 0x0A000007u);

    edit.setAddress(0);
    EXPECT_FALSE(edit.isBlank());
    EXPECT_EQ(Octets(edit), QStringList({"0", "0", "0", "0"}));
    edit.clear();
    EXPECT_TRUE(edit.isBlank());
}

TEST(IpAddressEdit, AddressChangedOnceForEachProgramChange) {
    IpAddressEdit edit;
    QSignalSpy changed(&edit, &IpAddressEdit::addressChanged);
    edit.setAddress(0x01020304);
    EXPECT_EQ(changed.count(), 1);
    edit.setAddress(0x01020304);
    EXPECT_EQ(changed.count(), 1);
    edit.clear();
    EXPECT_EQ(changed.count(), 2);
}

class IpTyping : public ::testing::Test {
protected:
    void SetUp() override {
        edit.resize(160, 26);
        edit.show();
        QApplication::setActiveWindow(&edit);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
        edit.octetEdit(0)->setFocus();
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    // Types each character into whichever box has the focus at that moment.
    void type(const QString& text) {
        for (QChar c : text) {
            QTest::keyClicks(focused(), QString(c));
        }
    }
    IpAddressEdit edit;
};

TEST_F(IpTyping, ThreeDigitsAndDotsMoveOn) {
    QSignalSpy changed(&edit, &IpAddressEdit::addressChanged);
    type(QStringLiteral("192"));
    EXPECT_EQ(focused(), edit.octetEdit(1));
    type(QStringLiteral("."));  // an empty box ignores the dot
    EXPECT_EQ(focused(), edit.octetEdit(1));
    type(QStringLiteral("168.1.20"));
    EXPECT_EQ(Octets(edit), QStringList({"192", "168", "1", "20"}));
    EXPECT_EQ(edit.address(), 0xC0A80114u);
    EXPECT_GT(changed.count(), 0);
}

TEST_F(IpTyping, NumbersAbove255BecomeTheMaximumAndMoveOn) {
    type(QStringLiteral("300"));
    EXPECT_EQ(edit.octetEdit(0)->text(), "255");
    EXPECT_EQ(focused(), edit.octetEdit(1));
    type(QStringLiteral("999"));
    EXPECT_EQ(edit.octetEdit(1)->text(), "255");
    type(QStringLiteral("256"));
    EXPECT_EQ(edit.octetEdit(2)->text(), "255");
    type(QStringLiteral("1000"));  // the last box keeps the focus
    EXPECT_EQ(edit.octetEdit(3)->text(), "100");
    EXPECT_EQ(edit.address(), 0xFFFFFF64u);
}

TEST_F(IpTyping, LettersAreRefusedAndBackspaceCrossesBack) {
    type(QStringLiteral("1a2."));
    EXPECT_EQ(edit.octetEdit(0)->text(), "12");
    EXPECT_EQ(focused(), edit.octetEdit(1));
    QTest::keyClick(focused(), Qt::Key_Backspace);
    EXPECT_EQ(focused(), edit.octetEdit(0));
    QTest::keyClick(focused(), Qt::Key_Backspace);
    EXPECT_EQ(edit.octetEdit(0)->text(), "1");
}

TEST_F(IpTyping, LeadingZerosAreDroppedWhenTheBoxIsLeft) {
    type(QStringLiteral("010"));
    EXPECT_EQ(focused(), edit.octetEdit(1));
    EXPECT_EQ(edit.octetEdit(0)->text(), "10");
}

TEST_F(IpTyping, PastingADottedAddressFillsAllBoxes) {
    QApplication::clipboard()->setText(QStringLiteral(" 10.20.30.40 "));
    QTest::keySequence(focused(), QKeySequence::Paste);
    EXPECT_EQ(edit.address(), 0x0A141E28u);
}

}  // namespace
