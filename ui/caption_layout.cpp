#include "ui/caption_layout.h"

#include <QMargins>

CaptionLayout ComputeCaptionLayout(QSize window, const FrameMetrics& m) {
    const int w = window.width();
    const int h = window.height();
    CaptionLayout layout;
    layout.top = QRect(0, 0, w, m.frameY + m.buttonHeight);
    layout.left = QRect(0, 0, m.frameX, h - 1);
    layout.bottom = QRect(0, h - m.frameY, w, m.frameY);
    layout.right = QRect(w - m.frameX, 0, m.frameX, h);
    layout.icon = QRect(m.frameX, m.frameY, kCaptionIconSize, kCaptionIconSize);
    const int x0 = w - m.frameX - 22;
    const int y0 = m.frameY + 2;
    layout.close = QRect(x0, y0, kCaptionButtonSize, kCaptionButtonSize);
    layout.minimize = QRect(x0 - 23, y0, kCaptionButtonSize, kCaptionButtonSize);
    layout.title = QRect(QPoint(m.frameX + 24, m.frameY), QPoint(w - m.frameX - 1, m.frameY + 29));
    return layout;
}

QMargins ChromeMargins(const FrameMetrics& m) {
    return QMargins(m.frameX, m.frameY + m.buttonHeight, m.frameX, m.frameY);
}

Qt::Edges FrameEdgesAt(QSize window, QPoint p, const FrameMetrics& m) {
    const int w = window.width();
    const int h = window.height();
    if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h) {
        return {};
    }
    const bool onLeft = p.x() < m.frameX;
    const bool onRight = p.x() >= w - m.frameX;
    const bool onTop = p.y() < m.frameY;
    const bool onBottom = p.y() >= h - m.frameY;
    if (!onLeft && !onRight && !onTop && !onBottom) {
        return {};
    }
    const int corner = m.frameY + m.buttonHeight;
    Qt::Edges edges;
    if (onLeft || ((onTop || onBottom) && p.x() < corner)) {
        edges |= Qt::LeftEdge;
    }
    if (onRight || ((onTop || onBottom) && p.x() >= w - corner)) {
        edges |= Qt::RightEdge;
    }
    if (onTop || ((onLeft || onRight) && p.y() < corner)) {
        edges |= Qt::TopEdge;
    }
    if (onBottom || ((onLeft || onRight) && p.y() >= h - corner)) {
        edges |= Qt::BottomEdge;
    }
    return edges;
}
