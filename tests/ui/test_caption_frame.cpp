// The painted chrome: its geometry, the picture buttons, moving and sizing, the footer picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "ui/caption_frame.h"
#include "ui/picture_area.h"

namespace {

TEST(CaptionLayout, FollowsTheWindowSizeAndFrameMetrics) {
    const FrameMetrics m{4, 4, 25};
    const CaptionLayout l = ComputeCaptionLayout(QSize(400, 300), m);
    EXPECT_EQ(l.top, QRect(0, 0, 400, 29));
    EXPECT_EQ(l.left, QRect(0, 0, 4, 299));
    EXPECT_EQ(l.bottom, QRect(0, 296, 400, 4));
    EXPECT_EQ(l.right, QRect(396, 0, 4, 300));
    EXPECT_EQ(l.icon, QRect(4, 4, 21, 21));
    EXPECT_EQ(l.close, QRect(374, 6, 20, 20));
    EXPECT_EQ(l.minimize, QRect(351, 6, 20, 20));
    EXPECT_EQ(l.title, QRect(QPoint(28, 4), QPoint(395, 33)));
    EXPECT_EQ(ChromeMargins(m), QMargins(4, 29, 4, 4));

    const CaptionLayout other = ComputeCaptionLayout(QSize(200, 100), FrameMetrics{3, 5, 18});
    EXPECT_EQ(other.close, QRect(175, 7, 20, 20));
    EXPECT_EQ(other.minimize, QRect(152, 7, 20, 20));
}

TEST(CaptionLayout, BorderEdgesAndCorners) {
    const FrameMetrics m{4, 4, 25};
    const QSize w(400, 300);
    struct Case {
        QPoint point;
        Qt::Edges edges;
    };
    const Case cases[] = {
        {{200, 150}, {}},
        {{200, 10}, {}},  // caption: moves
        {{0, 150}, Qt::LeftEdge},
        {{399, 150}, Qt::RightEdge},
        {{200, 0}, Qt::TopEdge},
        {{200, 299}, Qt::BottomEdge},
        {{1, 1}, Qt::LeftEdge | Qt::TopEdge},
        {{398, 298}, Qt::RightEdge | Qt::BottomEdge},
        {{10, 298}, Qt::LeftEdge | Qt::BottomEdge},  // near the corner along the bottom
        {{398, 20}, Qt::RightEdge | Qt::TopEdge},    // near the corner along the side
        {{400, 150}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FrameEdgesAt(w, c.point, m), c.edges) << c.point.x() << "," << c.point.y();
    }
}

TEST(CaptionPictures, HoverPicturesDiffer) {
    for (CaptionButton button : {CaptionButton::Close, CaptionButton::Minimize}) {
        const QImage normal = CaptionButtonPicture(button, false).toImage();
        const QImage hover = CaptionButtonPicture(button, true).toImage();
        EXPECT_EQ(normal.size(), QSize(20, 20));
        EXPECT_NE(normal, hover);
    }
    // Close: white cross on orange-red, dark cross on grey-blue under the pointer.
    const QImage close = CaptionButtonPicture(CaptionButton::Close, false).toImage();
    EXPECT_EQ(close.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_GT(close.pixelColor(3, 10).red(), 200);
    const QImage closeHover = CaptionButtonPicture(CaptionButton::Close, true).toImage();
    EXPECT_LT(closeHover.pixelColor(10, 10).red(), 80);
    EXPECT_GT(closeHover.pixelColor(3, 10).blue(), closeHover.pixelColor(3, 10).red());
}

TEST(CaptionTitleFont, BoldItalicArialOf21PixelCells) {
    const QFont font = CaptionTitleFont();
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_NEAR(QFontMetrics(font).height(), 21, 1);
}

class ChromeTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.setWindowTitle(QStringLiteral("Tarnwick V3.0C"));
        QPixmap icon(32, 32);
        icon.fill(Qt::yellow);
        window.setWindowIcon(QIcon(icon));
        chrome = new WindowChrome(&window);
        window.setGeometry(100, 100, 400, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    CaptionBar* bar() const { return chrome->captionBar(); }
    static void Send(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButton button,
                     Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), QPointF(to->mapToGlobal(at)), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(to, &event);
    }
    void move(QWidget* to, QPoint at, Qt::MouseButtons buttons = Qt::NoButton) {
        Send(to, QEvent::MouseMove, at, Qt::NoButton, buttons);
    }
    QWidget* pieceAt(QPoint windowPoint) const { return window.childAt(windowPoint); }

    QDialog window;
    WindowChrome* chrome = nullptr;
};

TEST_F(ChromeTest, FramelessWithTheFrameAsContentsMargins) {
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.contentsMargins(), QMargins(4, 29, 4, 4));
    EXPECT_EQ(bar()->geometry(), QRect(0, 0, 400, 29));
    const QImage img = window.grab().toImage();
    for (QPoint p : {QPoint(200, 1), QPoint(1, 150), QPoint(398, 150), QPoint(200, 298)}) {
        EXPECT_EQ(img.pixelColor(p), ChromeColor()) << p.x() << "," << p.y();
    }
    EXPECT_EQ(img.pixelColor(10, 10), QColor(Qt::yellow));  // the icon
    // The title is white text right of the icon.
    int white = 0;
    for (int x = 28; x < 200; ++x) {
        for (int y = 4; y < 29; ++y) {
            white += img.pixelColor(x, y) == QColor(Qt::white) ? 1 : 0;
        }
    }
    EXPECT_GT(white, 50);
}

TEST_F(ChromeTest, PicturesFollowThePointer) {
    move(bar(), QPoint(384, 16));
    EXPECT_TRUE(bar()->closeHover());
    EXPECT_FALSE(bar()->minimizeHover());
    QImage img = window.grab().toImage();
    EXPECT_EQ(img.pixelColor(384, 16),
              CaptionButtonPicture(CaptionButton::Close, true).toImage().pixelColor(10, 10));

    move(bar(), QPoint(361, 16));
    EXPECT_FALSE(bar()->closeHover());
    EXPECT_TRUE(bar()->minimizeHover());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(bar(), &leave);
    EXPECT_FALSE(bar()->minimizeHover());
}

TEST_F(ChromeTest, ClosePictureClosesLikeEscape) {
    QSignalSpy rejected(&window, &QDialog::rejected);
    Send(bar(), QEvent::MouseButtonPress, QPoint(384, 16), Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(rejected.count(), 1);
}

TEST_F(ChromeTest, MinimisePictureMinimises) {
    Send(bar(), QEvent::MouseButtonPress, QPoint(361, 16), Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(window.windowState() & Qt::WindowMinimized);
}

TEST_F(ChromeTest, IconAsksForTheWindowMenu) {
    QSignalSpy menu(chrome, &WindowChrome::iconClicked);
    Send(bar(), QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(menu.count(), 1);
    EXPECT_EQ(menu.at(0).at(0).toPoint(), bar()->mapToGlobal(QPoint(10, 10)));
}

TEST_F(ChromeTest, DraggingTheCaptionMovesTheWindowAndTheButtonsFollow) {
    const QRect closeBefore = chrome->closeRect();
    Send(bar(), QEvent::MouseButtonPress, QPoint(200, 15), Qt::LeftButton, Qt::LeftButton);
    Send(bar(), QEvent::MouseMove, QPoint(250, 45), Qt::NoButton, Qt::LeftButton);
    Send(bar(), QEvent::MouseButtonRelease, QPoint(250, 45), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window.pos(), QPoint(150, 130));
    EXPECT_EQ(chrome->closeRect(), closeBefore.translated(50, 30));
    // A click at the buttons' new place works.
    Send(bar(), QEvent::MouseButtonPress, bar()->mapFromGlobal(chrome->closeRect().center()),
         Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ChromeTest, DraggingTheBorderSizesTheWindow) {
    QWidget* right = pieceAt(QPoint(398, 150));
    ASSERT_NE(right, nullptr);
    ASSERT_NE(right, bar());
    const QPoint at = right->mapFrom(&window, QPoint(398, 150));
    Send(right, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    Send(right, QEvent::MouseMove, at + QPoint(40, 0), Qt::NoButton, Qt::LeftButton);
    Send(right, QEvent::MouseButtonRelease, at + QPoint(40, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window.size(), QSize(440, 300));
    EXPECT_EQ(bar()->width(), 440);
    EXPECT_EQ(chrome->closeRect().x(), window.mapToGlobal(QPoint(414, 0)).x());

    chrome->setResizable(false);
    Send(right, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    Send(right, QEvent::MouseMove, at + QPoint(40, 0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window.size(), QSize(440, 300));
    EXPECT_EQ(window.pos(), QPoint(140, 100));  // a fixed frame moves instead
}

TEST_F(ChromeTest, AMaximisedWindowIgnoresDrags) {
    window.showMaximized();
    const QPoint before = window.pos();
    Send(bar(), QEvent::MouseButtonPress, QPoint(200, 15), Qt::LeftButton, Qt::LeftButton);
    Send(bar(), QEvent::MouseMove, QPoint(250, 45), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window.pos(), before);
}

TEST(PictureArea, PictureFromTheTopLeftCroppedOrRepeated) {
    QImage picture(80, 80, QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            picture.setPixelColor(x, y, QColor(x * 3, y * 3, 100));
        }
    }
    QImage canvas(200, 200, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        PaintPictureArea(painter, QRect(10, 20, 66, 78), QPixmap::fromImage(picture));
        PaintPictureArea(painter, QRect(100, 100, 90, 90), QPixmap::fromImage(picture));
    }
    EXPECT_EQ(canvas.pixelColor(10, 20), picture.pixelColor(0, 0));
    EXPECT_EQ(canvas.pixelColor(75, 97), picture.pixelColor(65, 77));
    EXPECT_EQ(canvas.pixelColor(76, 97), QColor(Qt::black));           // cropped
    EXPECT_EQ(canvas.pixelColor(185, 100), picture.pixelColor(5, 0));  // repeated

    PictureArea area;
    QSignalSpy clicked(&area, &PictureArea::clicked);
    area.resize(66, 78);
    QTest::mouseClick(&area, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clicked.count(), 1);
}

}  // namespace
