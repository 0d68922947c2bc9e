// Pictures of the toolkit's controls in Chinese and in English, saved under the build folder
// (screenshots/) for a person to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTest>

#include "ui/caption_frame.h"
#include "ui/dialog_base.h"
#include "ui/drop_edit.h"
#include "ui/ip_address_edit.h"
#include "ui/picture_area.h"
#include "ui/up_down.h"
#include "ui/xp_button.h"

namespace {

struct DemoTexts {
    const char* suffix;
    const char* states;
    const char* buttons[5];
    const char* printerIp;
    const char* newId;
    const char* repeat;
    const char* port[2];
    const char* content;
    const char* status;
};

const DemoTexts kChinese = {
    "zh",
    "按钮状态",
    {"普通", "悬停", "焦点", "按下", "禁用"},
    "打印机IP:",
    "新的ID地址;",
    "次数:",
    {"并口", "网口"},
    "欢迎使用专业POS票据打印机公司生产的针打，热敏系列打印机!\r\n",
    "状态栏:  实时显示打印状态！",
};

const DemoTexts kEnglish = {
    "en",
    "Button states",
    {"Normal", "Hover", "Focus", "Pressed", "Disabled"},
    "Printer IP:",
    "New ID:",
    "Times:",
    {"LPT", "NET"},
    "Welcome to use the impact and thermal printer manufactured by professional POS receipt "
    "printer company!\r\n",
    "Status Bar: Real-time display of print status!",
};

QPixmap DemoPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(QColor(230, 236, 250));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(ChromeColor());
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(size * 0.15, size * 0.15, size * 0.7, size * 0.7));
    return picture;
}

class DemoDialog : public DialogBase {
public:
    explicit DemoDialog(const DemoTexts& t) {
        setWindowTitle(QStringLiteral("Tarnwick V3.0C"));
        setWindowIcon(QIcon(DemoPicture(32)));
        chrome = new WindowChrome(this);
        const auto text = [](const char* s) { return QString::fromUtf8(s); };
        addControl<QGroupBox>(kNoControlId, 7, 4, 328, 34, text(t.states));
        for (int i = 0; i < 5; ++i) {
            buttons[i] =
                addControl<CXPButton>(1031 + i, 14 + 64 * i, 16, 58, 16, text(t.buttons[i]));
        }
        addControl<QLabel>(1114, 10, 48, 52, 8, text(t.printerIp));
        addControl<IpAddressEdit>(1011, 63, 45, 101, 15)->setAddress(0xC0A87B64);
        addControl<QLabel>(1116, 10, 68, 52, 8, text(t.newId));
        addControl<IpAddressEdit>(1013, 63, 65, 101, 15);
        addControl<QLabel>(1118, 174, 48, 22, 9, text(t.repeat));
        auto* repeat = addControl<QLineEdit>(1020, 197, 45, 28, 13, QStringLiteral("1"));
        auto* upDown = addControl<UpDown>(1023, 226, 44, 10, 15);
        upDown->setBuddy(repeat);
        upDown->setRange(1, 999);
        addControl<QCheckBox>(1024, 240, 47, 40, 10, QStringLiteral("HEX"))->setChecked(true);
        addControl<QRadioButton>(1000, 174, 66, 40, 10, text(t.port[0]));
        addControl<QRadioButton>(1003, 220, 66, 40, 10, text(t.port[1]))->setChecked(true);
        auto* content = addControl<CDropEdit>(1019, 10, 84, 250, 60);
        content->setPlainText(ToEditLineBreaks(text(t.content)));
        addControl<PictureArea>(1147, 266, 84, 38, 39)->setPicture(DemoPicture(80));
        addControl<QLineEdit>(1105, 6, 150, 329, 14, text(t.status));
        setDialogSize(342, 168);
    }
    WindowChrome* chrome;
    CXPButton* buttons[5] = {};
};

// Shows the dialog, puts its buttons in their states and returns its picture.
QImage Shoot(const DemoTexts& texts) {
    DemoDialog dialog(texts);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    CXPButton* hover = dialog.buttons[1];
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), hover->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(hover, &move);
    dialog.buttons[2]->setFocus();
    dialog.buttons[3]->setDown(true);
    dialog.buttons[4]->setEnabled(false);
    QMouseEvent overClose(QEvent::MouseMove, QPointF(dialog.width() - 15, 15),
                          dialog.mapToGlobal(QPointF(dialog.width() - 15, 15)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.chrome->captionBar(), &overClose);

    const QImage picture = dialog.grab().toImage();
    const QString folder = QStringLiteral(TARNWICK_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString suffix = QString::fromUtf8(texts.suffix);
    EXPECT_TRUE(picture.save(folder + QStringLiteral("/ui_demo_%1.png").arg(suffix)));
    // The button row four times larger, to see the pixels.
    const QRect row = dialog.buttons[0]->geometry().united(dialog.buttons[4]->geometry());
    const QImage buttons = picture.copy(row.adjusted(-4, -4, 4, 4));
    EXPECT_TRUE(buttons.scaled(buttons.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                    .save(folder + QStringLiteral("/xp_buttons_%1.png").arg(suffix)));
    // The caption's right end (minimise, close under the pointer), four times larger.
    const QImage caption = picture.copy(QRect(dialog.width() - 80, 0, 80, 33));
    EXPECT_TRUE(caption.scaled(caption.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                    .save(folder + QStringLiteral("/caption_buttons_%1.png").arg(suffix)));
    return picture;
}

TEST(Screenshots, DemoDialogInChineseAndEnglish) {
    // Without a font for Chinese, the Chinese texts would show as boxes.
    EXPECT_FALSE(QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty());
    for (const DemoTexts* texts : {&kChinese, &kEnglish}) {
        const QImage picture = Shoot(*texts);
        EXPECT_FALSE(picture.isNull());
        EXPECT_EQ(picture.pixelColor(picture.width() / 2, 2), ChromeColor());
    }
}

}  // namespace
