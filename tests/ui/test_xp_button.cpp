// The rounded button: its gradient colours and rows, and what each state draws.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include "ui/xp_button.h"

namespace {

TEST(XPGradient, ColoursPerState) {
    struct Case {
        bool hover;
        bool highlighted;
        int index;
        QColor colour;
    };
    const Case cases[] = {
        // Colour 0 is white and colour 63 the documented end of every state.
        {true, true, 0, QColor(255, 255, 255)},
        {true, true, 63, QColor(240, 240, 234)},
        {true, false, 0, QColor(255, 255, 255)},
        {true, false, 63, QColor(240, 240, 243)},
        {false, true, 0, QColor(255, 255, 255)},
        {false, true, 63, QColor(234, 234, 240)},
        {false, false, 0, QColor(255, 255, 255)},
        {false, false, 63, QColor(234, 234, 243)},
        // Integer steps in between: 255 - i / p for red and green, 255 - i / q for blue.
        {true, true, 11, QColor(253, 253, 252)},
        {true, false, 11, QColor(253, 253, 253)},
        {false, true, 11, QColor(252, 252, 253)},
        {false, false, 14, QColor(251, 251, 253)},
        {false, false, 2, QColor(255, 255, 255)},
        {false, false, 3, QColor(254, 254, 255)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(XPGradientColor(c.index, c.hover, c.highlighted), c.colour)
            << c.hover << c.highlighted << " index " << c.index;
    }
}

TEST(XPGradient, RowToColourIndex) {
    struct Case {
        int row;
        int height;
        int index;
    };
    const Case cases[] = {
        // A 30-pixel button: gradient rows 2..28 over a height of 26.
        {2, 26, 4},
        {13, 26, 31},
        {25, 26, 60},
        {26, 26, 63},
        {27, 26, 63},
        {28, 26, 63},
        {0, 10, 0},
        {1, 10, 6},
        {10, 10, 63},
        // A flat area takes the last colour instead of dividing by zero.
        {2, 0, 63},
        {2, -3, 63},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(XPGradientIndex(c.row, c.height), c.index) << c.row << "/" << c.height;
    }
}

const QColor kOutline(7, 111, 208);
const QColor kInner(41, 56, 206);
const QColor kFocusLeft(153, 198, 252);

class XPButtonRender : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(200, 100);
        button = new CXPButton(QStringLiteral("H"), &host);
        other = new CXPButton(QStringLiteral("Y"), &host);
        button->setGeometry(10, 10, 80, 30);
        other->setGeometry(100, 10, 80, 30);
        host.show();
        QApplication::setActiveWindow(&host);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        other->setFocus();
    }
    QImage image() const { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void hover() {
        QMouseEvent move(QEvent::MouseMove, QPointF(40, 15), button->mapToGlobal(QPointF(40, 15)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &move);
    }
    // Bounding box of the caption's dark pixels.
    static QRect CaptionBox(const QImage& img, bool (*dark)(QColor)) {
        QRect box;
        for (int y = 3; y < img.height() - 3; ++y) {
            for (int x = 6; x < img.width() - 6; ++x) {
                if (dark(img.pixelColor(x, y))) {
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        return box;
    }
    static bool Black(QColor c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; }

    QWidget host;
    CXPButton* button = nullptr;
    CXPButton* other = nullptr;
};

TEST_F(XPButtonRender, IdleButtonShowsOutlineAndGradientOnly) {
    const QImage img = image();
    EXPECT_EQ(img.pixelColor(40, 0), kOutline);
    EXPECT_EQ(img.pixelColor(0, 15), kOutline);
    EXPECT_EQ(img.pixelColor(79, 15), kOutline);
    EXPECT_EQ(img.pixelColor(40, 29), kOutline);
    // Column 3 avoids the caption; rows 2..28 follow the idle gradient.
    for (int y = 2; y <= 28; ++y) {
        EXPECT_EQ(img.pixelColor(3, y), XPGradientColor(XPGradientIndex(y, 26), false, false))
            << "row " << y;
    }
    EXPECT_FALSE(button->isHover());
}

TEST_F(XPButtonRender, HoverDrawsTheDarkInnerBorderAndTheHoverGradient) {
    hover();
    EXPECT_TRUE(button->isHover());
    EXPECT_TRUE(button->isTracking());
    const QImage img = image();
    EXPECT_EQ(img.pixelColor(2, 15), kInner);   // left line
    EXPECT_EQ(img.pixelColor(77, 15), kInner);  // right line
    EXPECT_EQ(img.pixelColor(40, 2), kInner);   // top line
    EXPECT_EQ(img.pixelColor(40, 28), kInner);  // bottom line
    EXPECT_EQ(img.pixelColor(6, 20), XPGradientColor(XPGradientIndex(20, 26), true, false));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(button->isHover());
    EXPECT_FALSE(button->isTracking());
    EXPECT_EQ(image().pixelColor(2, 15), XPGradientColor(XPGradientIndex(15, 26), false, false));
}

TEST_F(XPButtonRender, FocusWithoutHoverDrawsTheLightBorderAndFocusDots) {
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    QImage img = image();
    EXPECT_EQ(img.pixelColor(1, 15), kFocusLeft);
    EXPECT_EQ(img.pixelColor(6, 20), XPGradientColor(XPGradientIndex(20, 26), false, true));
    // The dotted rectangle inverts every other pixel along the top row of the area.
    int inverted = 0;
    for (int x = 10; x < 70; ++x) {
        const QColor c = img.pixelColor(x, 2);
        if (c.red() < 128 && c.blue() < 128) {
            ++inverted;
        }
    }
    EXPECT_GE(inverted, 25);
    EXPECT_LE(inverted, 35);

    // With the pointer over it the border turns dark and the dots go.
    hover();
    img = image();
    EXPECT_EQ(img.pixelColor(1, 15), kInner);
    EXPECT_EQ(img.pixelColor(6, 20), XPGradientColor(XPGradientIndex(20, 26), true, true));
}

TEST_F(XPButtonRender, PressedCaptionMovesOnePixelRightAndDown) {
    const QRect normal = CaptionBox(image(), Black);
    button->setDown(true);
    const QRect pressed = CaptionBox(image(), Black);
    ASSERT_FALSE(normal.isEmpty());
    EXPECT_EQ(pressed, normal.translated(1, 1));
}

TEST_F(XPButtonRender, DisabledCaptionIsEmbossedGrey) {
    // Grey text and its white copy are neutral; the gradient below row 10 is bluish and never
    // lighter than 250.
    const auto neutral = [](QColor c) { return qAbs(c.red() - c.blue()) <= 2; };
    const auto shadow = [](QColor c) {
        return qAbs(c.red() - c.blue()) <= 2 && c.red() >= 100 && c.red() <= 175;
    };
    const auto lightCount = [&neutral](const QImage& img) {
        int count = 0;
        for (int y = 10; y < 28; ++y) {
            for (int x = 3; x < 77; ++x) {
                const QColor c = img.pixelColor(x, y);
                count += c.red() >= 252 && neutral(c) ? 1 : 0;
            }
        }
        return count;
    };
    const QImage enabled = image();
    const QRect normal = CaptionBox(enabled, Black);
    EXPECT_EQ(lightCount(enabled), 0);
    button->setEnabled(false);
    const QImage disabled = image();
    EXPECT_TRUE(CaptionBox(disabled, Black).isEmpty());
    const QRect grey = CaptionBox(disabled, +shadow);
    EXPECT_EQ(grey, normal);
    EXPECT_GT(lightCount(disabled), 5);
}

}  // namespace
