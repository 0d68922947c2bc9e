// The splash step records its object when enabled and shows nothing either way.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "ui/splash.h"

namespace {

TEST(Splash, EnabledSplashRecordsOneObjectAndOpensNoWindow) {
    CSplashWnd::Reset();
    QWidget parent;
    const auto windowsBefore = QApplication::topLevelWidgets().size();

    CSplashWnd::OpenSplash(&parent);
    EXPECT_EQ(CSplashWnd::Current(), nullptr);

    CSplashWnd::SetSplashEnabled(true);
    CSplashWnd::OpenSplash(&parent);
    const CSplashWnd* first = CSplashWnd::Current();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->hasPicture());
    CSplashWnd::OpenSplash(&parent);
    EXPECT_EQ(CSplashWnd::Current(), first);

    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    CSplashWnd::Reset();
}

}  // namespace
