// Saves the main window in both languages as pictures (build/screenshots) and checks that
// every control's text fits its control, which is what a look at the pictures would catch.

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRawFont>
#include <QStyle>
#include <QStyleOption>

#include "app/language_texts.h"
#include "app/main_controls.h"
#include "core/program_state.h"
#include "main_window_fixture.h"

namespace {

// Width the style leaves for the text of a check box or radio button beside its indicator.
int TextRoom(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
    return button->style()
        ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents,
                         &option, button)
        .width();
}

// The texts of the visible controls that do not fit, as "id: text".
QStringList ClippedTexts(const QWidget* window) {
    QStringList clipped;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        bool ok = false;
        const int id = w->objectName().toInt(&ok);
        if (!ok || !w->isVisible()) {
            continue;
        }
        const QFontMetrics metrics(w->font());
        QString text;
        int room = w->width();
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            text = label->text();
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            text = group->title();
            room -= 2 * metrics.averageCharWidth();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            text = button->text();
            if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
                room = TextRoom(button);
            } else {
                room -= 4;  // the button's edges
            }
        }
        if (!text.isEmpty() && metrics.horizontalAdvance(text) > room) {
            clipped.append(QStringLiteral("%1: %2").arg(id).arg(text));
        }
        if (!text.isEmpty() && metrics.height() > w->height() + 2) {
            clipped.append(QStringLiteral("%1 (height): %2").arg(id).arg(text));
        }
    }
    return clipped;
}

QString ScreenshotDir() {
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(dir);
    return QDir(dir).absolutePath();
}

TEST_F(MainWindowTest, BothLanguagesFitTheirControlsAndAreSavedAsPictures) {
    start();
    for (const bool chinese : {true, false}) {
        window->runCommand(chinese ? 32840 : 32839);
        QCoreApplication::processEvents();
        EXPECT_EQ(ClippedTexts(window.get()).join(u'\n').toStdString(), "")
            << (chinese ? "Chinese" : "English");
        const QString path = ScreenshotDir() + (chinese ? QStringLiteral("/main_window_zh.png")
                                                        : QStringLiteral("/main_window_en.png"));
        EXPECT_TRUE(window->grab().save(path)) << path.toStdString();
    }
}

// Without a font that holds Chinese characters every Chinese text is a row of boxes.
TEST_F(MainWindowTest, ChineseTextsHaveGlyphs) {
    start();
    const QFont font = window->font();
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
    ASSERT_TRUE(raw.isValid());
    for (const LanguageControlText& entry : LanguageControlTexts()) {
        for (const QChar c : QString::fromUtf8(entry.zh)) {
            EXPECT_TRUE(raw.supportsCharacter(c)) << entry.id << " " << QString(c).toStdString();
        }
    }
}

}  // namespace
