#pragma once

// The painted chrome of an undecorated window: the blue frame, the caption band with the
// window's icon and title (white bold italic Arial) and the minimise and close pictures, which
// change picture under the pointer and act on a click. Dragging the caption moves the window,
// dragging the border sizes it, both through the window system (startSystemMove /
// startSystemResize) where it offers that. Clicking the icon asks for the window menu.
//
//     auto* chrome = new WindowChrome(mainWindow);   // before the window is shown
//     connect(chrome, &WindowChrome::iconClicked, ...popup the window menu...);
//
// The window becomes frameless and gets contents margins the size of the frame, so controls
// placed by DialogBase sit inside it.

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include "ui/caption_layout.h"

class WindowChrome;

// Frame and caption colour: red 41, green 56, blue 206.
QColor ChromeColor();

// The caption's title font: Arial, bold, italic, 21 pixels of character cell height.
QFont CaptionTitleFont();

enum class CaptionButton { Minimize, Close };

// The 20 x 20 picture of a caption button, as shown with the pointer elsewhere or over it.
QPixmap CaptionButtonPicture(CaptionButton button, bool hover);

// A piece of the frame: paints itself in the chrome colour and moves or sizes the window when
// pressed.
class ChromePiece : public QWidget {
    Q_OBJECT

public:
    ChromePiece(WindowChrome* chrome, QWidget* window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // The edges a press at `point` (own coordinates) sizes; none: it moves the window.
    Qt::Edges edgesAt(QPoint point) const;
    // Starts moving (no edges) or sizing the window.
    void beginDrag(const QPointF& globalPosition, Qt::Edges edges);

    WindowChrome* m_chrome;

private:
    enum class Drag { None, Move, Resize };
    Drag m_drag = Drag::None;
    Qt::Edges m_edges;
    QPoint m_startGlobal;
    QRect m_startGeometry;
};

// The caption band across the top of the window.
class CaptionBar : public ChromePiece {
    Q_OBJECT

public:
    CaptionBar(WindowChrome* chrome, QWidget* window);

    bool closeHover() const { return m_closeHover; }
    bool minimizeHover() const { return m_minimizeHover; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    CaptionLayout layout() const;

    bool m_closeHover = false;
    bool m_minimizeHover = false;
};

class WindowChrome : public QObject {
    Q_OBJECT

public:
    explicit WindowChrome(QWidget* window, const FrameMetrics& metrics = FrameMetrics());

    QWidget* window() const { return m_window; }
    const FrameMetrics& metrics() const { return m_metrics; }
    CaptionBar* captionBar() const { return m_caption; }

    // Whether dragging the border sizes the window (default: yes).
    void setResizable(bool resizable) { m_resizable = resizable; }
    bool isResizable() const { return m_resizable; }

    // The painted buttons' areas in screen coordinates; they follow the window.
    QRect closeRect() const;
    QRect minimizeRect() const;

signals:
    // The icon was clicked: the place for the window menu.
    void iconClicked(const QPoint& globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutPieces();

    QWidget* m_window;
    FrameMetrics m_metrics;
    CaptionBar* m_caption;
    ChromePiece* m_left;
    ChromePiece* m_right;
    ChromePiece* m_bottom;
    bool m_resizable = true;
};
