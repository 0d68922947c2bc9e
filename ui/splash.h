#pragma once

// CSplashWnd: the start-up splash step. The program hands it the command line's show-splash
// flag; when the main window is created, an enabled splash records one splash object, which
// holds an empty picture and opens no window: nothing is ever shown.

#include <QImage>

class QWidget;

class CSplashWnd {
public:
    // Stores the command line's show-splash flag.
    static void SetSplashEnabled(bool enabled);
    // Called when the main window is created: with the flag set and no splash yet, records a
    // new splash object (kept until the program ends). Shows nothing.
    static void OpenSplash(QWidget* parent);

    // The current splash object, nullptr when none was opened.
    static const CSplashWnd* Current();
    // Forgets the flag and the object (a fresh start).
    static void Reset();

    bool hasPicture() const { return !m_bitmap.isNull(); }

private:
    CSplashWnd() = default;

    QImage m_bitmap;  // stays empty
};
