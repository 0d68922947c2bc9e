#pragma once

// CXPButton: the rounded push button most dialogs use. A 1-pixel blue rounded outline, a
// vertical white-to-blue-grey gradient whose tint follows hover and highlight, a dark blue
// inner border while the pointer is over it, a light blue inner border and dotted focus
// rectangle while it has the focus without the pointer, and its caption centred (one pixel
// right and down while pressed, embossed grey while disabled).

#include <QColor>
#include <QPen>
#include <QPushButton>

// Number of colours in the gradient.
inline constexpr int kXPGradientSteps = 64;

// Gradient colour `index` (0..63) for the button's state: red = green = 255 - index / p,
// blue = 255 - index / q, with (p, q) = (4, 3) hover and highlighted, (4, 5) hover only,
// (3, 4) highlighted only, (3, 5) neither.
QColor XPGradientColor(int index, bool hover, bool highlighted);

// The gradient colour index for pixel row `row` (in the button's own coordinates) of a
// gradient area `height` pixels high: 63 * row / height, at most 63. A flat area (height 0 or
// less) takes colour 63 instead of dividing by zero.
int XPGradientIndex(int row, int height);

class CXPButton : public QPushButton {
    Q_OBJECT

public:
    explicit CXPButton(QWidget* parent = nullptr);
    explicit CXPButton(const QString& text, QWidget* parent = nullptr);

    // Pointer state: tracking once the pointer has moved over the button, hover while it stays.
    bool isHover() const { return m_bHover; }
    bool isTracking() const { return m_bTracking; }

    // Pixels the gradient area keeps from each edge (the platform's edge width).
    static constexpr int kEdge = 2;
    // Corner ellipse of the outline and the button's shape.
    static constexpr int kCorner = 5;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

    // Fills the rows top..bottom (both included) of the shrunk rectangle with the gradient.
    virtual void PaintGradient(QPainter& painter, const QRect& shrunk);
    // The four inner border lines, and the focus rectangle when focused without hover.
    virtual void PaintInnerBorder(QPainter& painter, const QRect& shrunk);

private:
    void init();
    void drawCaption(QPainter& painter, const QRect& shrunk);

    QPen m_penOutline;
    QPen m_penInnerLeft;
    QPen m_penInnerRight;
    QPen m_penInnerTop;
    QPen m_penInnerBottom;
    QPen m_penFocusLeft;
    QPen m_penFocusRight;
    QPen m_penFocusTop;
    QPen m_penFocusBottom;
    bool m_bHover = false;
    bool m_bTracking = false;
    bool m_bFocused = false;      // focus at the last drawing
    bool m_bHighlighted = false;  // focus, pressed or default at the last drawing
};
