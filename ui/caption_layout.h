#pragma once

// Geometry of the painted window chrome: a blue frame, a caption band holding the program
// icon, the title and two picture buttons (minimise, close). Everything is computed from the
// window's outer size and the frame metrics, in window coordinates.

#include <QRect>
#include <QSize>
#include <Qt>

// The frame's widths and the caption buttons' height (the platform's frame and caption sizes
// in the classic look).
struct FrameMetrics {
    int frameX = 4;         // left and right border
    int frameY = 4;         // top and bottom border
    int buttonHeight = 25;  // caption height below the top border
};

inline constexpr int kCaptionIconSize = 21;
inline constexpr int kCaptionButtonSize = 20;

struct CaptionLayout {
    QRect top;       // caption band: 0, 0, W, fy + bh
    QRect left;      // 0, 0, fx, H - 1
    QRect bottom;    // 0, H - fy, W, fy
    QRect right;     // W - fx, 0, fx, H
    QRect icon;      // 21 x 21 at fx, fy
    QRect close;     // 20 x 20 at W - fx - 22, fy + 2
    QRect minimize;  // 20 x 20, 23 pixels left of close
    QRect title;     // fx + 24, fy to W - fx, fy + 30
};

CaptionLayout ComputeCaptionLayout(QSize window, const FrameMetrics& metrics);

// The margins of the client area inside the frame: fx, fy + bh, fx, fy.
QMargins ChromeMargins(const FrameMetrics& metrics);

// The window edges a press at `point` would size: the border strips, and both edges near a
// corner (within the caption's height of it). No edges inside the frame.
Qt::Edges FrameEdgesAt(QSize window, QPoint point, const FrameMetrics& metrics);
