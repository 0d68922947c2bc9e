#include "ui/xp_button.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

namespace {

const QColor kOutline(7, 111, 208);
const QColor kInner(41, 56, 206);
const QColor kFocusLeft(153, 198, 252);
const QColor kFocusRight(162, 189, 252);
const QColor kFocusTopBottom(162, 201, 255);
const QColor kCaption(0, 0, 0);
const QColor kEmbossLight(255, 255, 255);
const QColor kEmbossShadow(128, 128, 128);

constexpr int kMaxCaption = 259;

QPen MakePen(const QColor& colour, int width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Edges of a rectangle the way the drawing rules count them: right and bottom lie just
// outside the rectangle.
struct Edges {
    int left, top, right, bottom;
    explicit Edges(const QRect& r)
        : left(r.x()), top(r.y()), right(r.x() + r.width()), bottom(r.y() + r.height()) {}
};

}  // namespace

QColor XPGradientColor(int index, bool hover, bool highlighted) {
    const int p = hover ? 4 : 3;
    const int q = hover ? (highlighted ? 3 : 5) : (highlighted ? 4 : 5);
    const int grey = 255 - index / p;
    return QColor(grey, grey, 255 - index / q);
}

int XPGradientIndex(int row, int height) {
    if (height <= 0) {
        return kXPGradientSteps - 1;
    }
    return qMin(kXPGradientSteps - 1, (kXPGradientSteps - 1) * row / height);
}

CXPButton::CXPButton(QWidget* parent) : QPushButton(parent) {
    init();
}

CXPButton::CXPButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    init();
}

void CXPButton::init() {
    m_penOutline = MakePen(kOutline, 1);
    m_penInnerLeft = MakePen(kInner, 3);
    m_penInnerRight = MakePen(kInner, 3);
    m_penInnerTop = MakePen(kInner, 2);
    m_penInnerBottom = MakePen(kInner, 2);
    m_penFocusLeft = MakePen(kFocusLeft, 3);
    m_penFocusRight = MakePen(kFocusRight, 3);
    m_penFocusTop = MakePen(kFocusTopBottom, 2);
    m_penFocusBottom = MakePen(kFocusTopBottom, 2);
    setMouseTracking(true);
}

void CXPButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    // The button's shape is its rounded outline.
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), kCorner / 2.0, kCorner / 2.0);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void CXPButton::mouseMoveEvent(QMouseEvent* event) {
    if (!m_bTracking) {
        m_bTracking = true;
        m_bHover = true;
        update();
    }
    QPushButton::mouseMoveEvent(event);
}

void CXPButton::leaveEvent(QEvent* event) {
    m_bHover = false;
    m_bTracking = false;
    update();
    QPushButton::leaveEvent(event);
}

void CXPButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.save();

    // Outline over the whole button, filled white.
    painter.setPen(m_penOutline);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRect(0, 0, width() - 1, height() - 1), kCorner / 2.0, kCorner / 2.0);

    m_bFocused = hasFocus();
    m_bHighlighted = m_bFocused || isDown() || isDefault();

    const QRect shrunk = rect().adjusted(kEdge, kEdge, -kEdge, -kEdge);
    PaintGradient(painter, shrunk);
    if (m_bHover || m_bFocused) {
        PaintInnerBorder(painter, shrunk);
    }
    drawCaption(painter, shrunk);
    painter.restore();
}

void CXPButton::PaintGradient(QPainter& painter, const QRect& shrunk) {
    const Edges s(shrunk);
    const int height = s.bottom - s.top;
    QColor colours[kXPGradientSteps];
    for (int i = 0; i < kXPGradientSteps; ++i) {
        colours[i] = XPGradientColor(i, m_bHover, m_bHighlighted);
    }
    for (int y = s.top; y <= s.bottom; ++y) {
        painter.fillRect(QRect(s.left, y, s.right - s.left, 1),
                         colours[XPGradientIndex(y, height)]);
    }
}

void CXPButton::PaintInnerBorder(QPainter& painter, const QRect& shrunk) {
    const Edges s(shrunk);
    const bool focusLook = m_bFocused && !m_bHover;
    painter.save();
    painter.setPen(focusLook ? m_penFocusLeft : m_penInnerLeft);
    painter.drawLine(s.left, s.bottom - 1, s.left, s.top + 1);
    painter.setPen(focusLook ? m_penFocusRight : m_penInnerRight);
    painter.drawLine(s.right - 1, s.bottom - 1, s.right - 1, s.top);
    painter.setPen(focusLook ? m_penFocusTop : m_penInnerTop);
    painter.drawLine(s.left - 1, s.top, s.right - 1, s.top);
    painter.setPen(focusLook ? m_penFocusBottom : m_penInnerBottom);
    painter.drawLine(s.left, s.bottom, s.right - 1, s.bottom);
    painter.restore();

    if (focusLook) {
        // Dotted focus rectangle: every other pixel of the rectangle's edge, inverted.
        painter.save();
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1));
        const auto dot = [&painter](int x, int y) {
            if ((x + y) % 2 == 0) {
                painter.drawPoint(x, y);
            }
        };
        for (int x = s.left; x < s.right; ++x) {
            dot(x, s.top);
            dot(x, s.bottom - 1);
        }
        for (int y = s.top + 1; y < s.bottom - 1; ++y) {
            dot(s.left, y);
            dot(s.right - 1, y);
        }
        painter.restore();
    }
}

void CXPButton::drawCaption(QPainter& painter, const QRect& shrunk) {
    const Edges s(shrunk);
    const QString caption = text().left(kMaxCaption);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int cx = metrics.horizontalAdvance(caption);
    const int cy = metrics.height();
    int x = (s.left + s.right) / 2 - cx / 2;
    int y = (s.top + s.bottom) / 2 - cy / 2;
    if (isDown()) {
        x += 1;
        y += 1;
    }
    painter.setBackgroundMode(Qt::TransparentMode);
    const int baseline = y + metrics.ascent();
    if (isEnabled()) {
        painter.setPen(kCaption);
        painter.drawText(x, baseline, caption);
    } else {
        painter.setPen(kEmbossLight);
        painter.drawText(x + 1, baseline + 1, caption);
        painter.setPen(kEmbossShadow);
        painter.drawText(x, baseline, caption);
    }
}
