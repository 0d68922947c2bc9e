// The up-down control: which way each arrow steps, the range, the buddy edit.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "ui/up_down.h"

namespace {

TEST(UpDown, DefaultRangeMakesTheUpArrowReportMinusOne) {
    UpDown upDown;
    EXPECT_EQ(upDown.lower(), 100);
    EXPECT_EQ(upDown.upper(), 0);
    QSignalSpy delta(&upDown, &UpDown::deltaPos);
    upDown.stepUp();
    upDown.stepUp();  // at the end of the range the change is still announced
    upDown.stepDown();
    ASSERT_EQ(delta.count(), 3);
    EXPECT_EQ(delta.at(0).at(1).toInt(), -1);
    EXPECT_EQ(delta.at(1).at(1).toInt(), -1);
    EXPECT_EQ(delta.at(2).at(1).toInt(), 1);
    EXPECT_EQ(upDown.position(), 1);
}

TEST(UpDown, RepeatCountHandlerRaisesWithUpAndNeverGoesBelowOne) {
    // How a window keeps a count with an up-down that has no buddy: it acts on the change.
    UpDown upDown;
    int repeat = 1;
    QObject::connect(&upDown, &UpDown::deltaPos, [&repeat](int, int delta) {
        repeat = delta > 0 ? qMax(1, repeat - 1) : repeat + 1;
    });
    for (int i = 0; i < 150; ++i) {
        upDown.stepUp();
    }
    EXPECT_EQ(repeat, 151);
    for (int i = 0; i < 200; ++i) {
        upDown.stepDown();
    }
    EXPECT_EQ(repeat, 1);
}

TEST(UpDown, BuddyShowsThePositionAndTypedNumbersAreWhereStepsStart) {
    UpDown upDown;
    QLineEdit buddy;
    upDown.setBuddy(&buddy);
    upDown.setRange(1, 10);
    upDown.setPosition(3);
    EXPECT_EQ(buddy.text(), "3");
    upDown.stepUp();
    EXPECT_EQ(buddy.text(), "4");
    buddy.setText(QStringLiteral(" 9 "));
    upDown.stepUp();
    upDown.stepUp();
    EXPECT_EQ(buddy.text(), "10");
    EXPECT_EQ(upDown.position(), 10);
    buddy.setText(QStringLiteral("junk"));
    upDown.stepDown();
    EXPECT_EQ(buddy.text(), "9");

    QTest::keyClick(&buddy, Qt::Key_Down);
    EXPECT_EQ(upDown.position(), 8);
    QTest::keyClick(&buddy, Qt::Key_Up);
    EXPECT_EQ(upDown.position(), 9);
}

TEST(UpDown, WrapGoesRoundTheRange) {
    UpDown upDown;
    upDown.setRange(0, 2);
    upDown.setWrap(true);
    upDown.setPosition(2);
    upDown.stepUp();
    EXPECT_EQ(upDown.position(), 0);
    upDown.stepDown();
    EXPECT_EQ(upDown.position(), 2);
}

TEST(UpDown, ArrowButtonsStep) {
    UpDown upDown;
    upDown.setRange(0, 50);
    upDown.resize(20, 30);
    upDown.show();
    QTest::mouseClick(upDown.childAt(10, 5), Qt::LeftButton);
    EXPECT_EQ(upDown.position(), 1);
    QTest::mouseClick(upDown.childAt(10, 25), Qt::LeftButton);
    QTest::mouseClick(upDown.childAt(10, 25), Qt::LeftButton);
    EXPECT_EQ(upDown.position(), 0);
}

}  // namespace
