// The dialog base: controls found by number, placement in dialog units, the common background.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/dialog_base.h"
#include "ui/dialog_units.h"
#include "ui/xp_button.h"

namespace {

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDivRound(5, 3, 2), 8);    // 7.5
    EXPECT_EQ(MulDivRound(-5, 3, 2), -8);  // -7.5
    EXPECT_EQ(MulDivRound(7, 6, 4), 11);   // 10.5
    EXPECT_EQ(MulDivRound(9, 6, 4), 14);   // 13.5
    EXPECT_EQ(MulDivRound(10, 6, 4), 15);
    EXPECT_EQ(MulDivRound(1, 1, 3), 0);
}

TEST(DialogUnits, RectanglesMapEdgeByEdge) {
    struct Case {
        QRect units;
        QSize base;
        QRect pixels;
    };
    const Case cases[] = {
        {{0, 0, 4, 8}, {6, 13}, {0, 0, 6, 13}},
        {{266, 187, 66, 18}, {6, 13}, {399, 304, 99, 29}},
        // 14*7/4 = 24.5 -> 25, (14+30)*7/4 = 77; 17*16/8 = 34, 27*16/8 = 54
        {{14, 17, 30, 10}, {7, 16}, {25, 34, 52, 20}},
        {{342, 367, 0, 0}, {7, 15}, {599, 688, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MapDialogRect(c.units, c.base), c.pixels);
    }
}

TEST(DialogUnits, BaseUnitsFollowTheFont) {
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(10);
    QFont large = small;
    large.setPixelSize(20);
    const QSize a = DialogBaseUnits(small);
    const QSize b = DialogBaseUnits(large);
    EXPECT_GT(a.width(), 0);
    EXPECT_EQ(a.height(), QFontMetrics(small).height());
    EXPECT_GT(b.width(), a.width());
    EXPECT_GT(b.height(), a.height());
}

class Dialog : public DialogBase {
public:
    Dialog() {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(12);
        setFont(font);
        addControl<QGroupBox>(kNoControlId, 5, 5, 150, 40, QStringLiteral("组"));
        addControl<QRadioButton>(1000, 10, 15, 40, 10, QStringLiteral("A"));
        addControl<QRadioButton>(1001, 55, 15, 40, 10, QStringLiteral("B"));
        addControl<QRadioButton>(1004, 10, 28, 40, 10, QStringLiteral("C"));
        addControl<QRadioButton>(1005, 55, 28, 40, 10, QStringLiteral("D"));
        radioGroup({1000, 1001});
        radioGroup({1004, 1005});
        addControl<QLabel>(1113, 10, 60, 80, 9, QStringLiteral("本机IP:"));
        addControl<QCheckBox>(1024, 10, 75, 80, 10, QStringLiteral("HEX"));
        addControl<QLineEdit>(1020, 100, 60, 50, 13);
        addControl<QComboBox>(1007, 100, 80, 50, 60);
        addControl<CXPButton>(1031, 100, 100, 50, 15, QStringLiteral("发送"));
        setDialogSize(170, 130);
    }
};

TEST(DialogBase, ControlsAreFoundByTheirNumber) {
    Dialog dialog;
    EXPECT_EQ(dialog.findChild<QWidget*>("1031"), dialog.control(1031));
    EXPECT_NE(dialog.control<CXPButton>(1031), nullptr);
    EXPECT_EQ(dialog.control<QLineEdit>(1031), nullptr);  // not a line edit
    EXPECT_EQ(dialog.control(4242), nullptr);
    EXPECT_EQ(ControlId(dialog.control(1020)), 1020);
    EXPECT_EQ(ControlId(dialog.findChild<QGroupBox*>()), kNoControlId);
}

TEST(DialogBase, RadioGroupsAreIndependent) {
    Dialog dialog;
    dialog.control<QRadioButton>(1000)->click();
    dialog.control<QRadioButton>(1005)->click();
    dialog.control<QRadioButton>(1001)->click();
    EXPECT_FALSE(dialog.control<QRadioButton>(1000)->isChecked());
    EXPECT_TRUE(dialog.control<QRadioButton>(1001)->isChecked());
    EXPECT_TRUE(dialog.control<QRadioButton>(1005)->isChecked());
}

TEST(DialogBase, PlacesInDialogUnitsAndAgainWhenTheFontOrMarginsChange) {
    Dialog dialog;
    const QSize base = dialog.baseUnits();
    EXPECT_EQ(dialog.control(1020)->geometry(), MapDialogRect(QRect(100, 60, 50, 13), base));
    EXPECT_EQ(dialog.size(), MapDialogRect(QRect(0, 0, 170, 130), base).size());
    // A combo box keeps its own height; the given one is for its list.
    auto* combo = dialog.control<QComboBox>(1007);
    EXPECT_EQ(combo->height(), combo->sizeHint().height());
    EXPECT_EQ(combo->x(), MapDialogRect(QRect(100, 80, 50, 60), base).x());

    QFont larger = dialog.font();
    larger.setPixelSize(24);
    dialog.setFont(larger);
    const QSize largerBase = dialog.baseUnits();
    ASSERT_GT(largerBase.width(), base.width());
    EXPECT_EQ(dialog.control(1020)->geometry(), MapDialogRect(QRect(100, 60, 50, 13), largerBase));
    EXPECT_EQ(dialog.size(), MapDialogRect(QRect(0, 0, 170, 130), largerBase).size());

    dialog.setContentsMargins(4, 29, 4, 4);
    EXPECT_EQ(dialog.control(1020)->geometry(),
              MapDialogRect(QRect(100, 60, 50, 13), largerBase).translated(4, 29));
    EXPECT_EQ(dialog.size(),
              MapDialogRect(QRect(0, 0, 170, 130), largerBase).size() + QSize(8, 33));
}

TEST(DialogBase, BackgroundColourBehindTheDialogAndItsStaticControls) {
    Dialog dialog;
    dialog.show();
    const QImage img = dialog.grab().toImage();
    const QColor background(239, 247, 255);
    EXPECT_EQ(DialogBase::backgroundColor(), background);
    EXPECT_EQ(img.pixelColor(dialog.width() - 3, dialog.height() - 3), background);
    // The right ends of the label and the check box lie past their texts.
    for (int id : {1113, 1024}) {
        const QRect r = dialog.control(id)->geometry();
        EXPECT_EQ(img.pixelColor(r.right() - 1, r.center().y()), background) << id;
    }
    // An edit keeps its own white.
    const QRect edit = dialog.control(1020)->geometry();
    EXPECT_NE(img.pixelColor(edit.center()), background);
}

}  // namespace
