#include "ui/splash.h"

#include <memory>

namespace {

bool g_bShowSplash = false;
std::unique_ptr<CSplashWnd> g_pSplashWnd;

}  // namespace

void CSplashWnd::SetSplashEnabled(bool enabled) {
    g_bShowSplash = enabled;
}

void CSplashWnd::OpenSplash(QWidget*) {
    if (!g_bShowSplash || g_pSplashWnd) {
        return;
    }
    g_pSplashWnd.reset(new CSplashWnd);
}

const CSplashWnd* CSplashWnd::Current() {
    return g_pSplashWnd.get();
}

void CSplashWnd::Reset() {
    g_bShowSplash = false;
    g_pSplashWnd.reset();
}
