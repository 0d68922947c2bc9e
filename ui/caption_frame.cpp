#include "ui/caption_frame.h"

#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <cmath>

namespace {

const QColor kOrangeRed(232, 78, 36);
const QColor kGreyBlue(143, 163, 199);
const QColor kGreyGreen(124, 156, 132);
const QColor kDarkCross(32, 36, 56);

constexpr int kTitleCellHeight = 21;

Qt::CursorShape CursorFor(Qt::Edges edges) {
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling = ((edges & Qt::LeftEdge) && (edges & Qt::TopEdge)) ||
                             ((edges & Qt::RightEdge) && (edges & Qt::BottomEdge));
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal) {
        return Qt::SizeHorCursor;
    }
    return vertical ? Qt::SizeVerCursor : Qt::ArrowCursor;
}

}  // namespace

QColor ChromeColor() {
    return QColor(41, 56, 206);
}

QFont CaptionTitleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setItalic(true);
    // 21 pixels is the character cell (ascent + descent), not the em size.
    font.setPixelSize(kTitleCellHeight);
    const int cell = QFontMetrics(font).height();
    if (cell > 0) {
        font.setPixelSize(qMax(1, static_cast<int>(std::lround(kTitleCellHeight * kTitleCellHeight /
                                                               static_cast<double>(cell)))));
    }
    return font;
}

QPixmap CaptionButtonPicture(CaptionButton button, bool hover) {
    QPixmap picture(kCaptionButtonSize, kCaptionButtonSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor square = kOrangeRed;
    if (button == CaptionButton::Close && hover) {
        square = kGreyBlue;
    } else if (button == CaptionButton::Minimize && !hover) {
        square = kGreyGreen;
    }
    painter.setPen(QPen(square.lighter(140), 1));
    painter.setBrush(square);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 19, 19), 3, 3);
    if (button == CaptionButton::Close) {
        QPen cross(hover ? kDarkCross : QColor(Qt::white), 2.4, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(cross);
        painter.drawLine(QPointF(6, 6), QPointF(14, 14));
        painter.drawLine(QPointF(14, 6), QPointF(6, 14));
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(5, 12, 10, 3));
    }
    return picture;
}

ChromePiece::ChromePiece(WindowChrome* chrome, QWidget* window)
    : QWidget(window), m_chrome(chrome) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChromePiece::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ChromeColor());
}

Qt::Edges ChromePiece::edgesAt(QPoint point) const {
    if (!m_chrome->isResizable()) {
        return {};
    }
    return FrameEdgesAt(window()->size(), mapTo(window(), point), m_chrome->metrics());
}

void ChromePiece::beginDrag(const QPointF& globalPosition, Qt::Edges edges) {
    QWidget* target = window();
    if (target->isMaximized()) {
        return;
    }
    QWindow* handle = target->windowHandle();
    const bool system =
        handle && (edges ? handle->startSystemResize(edges) : handle->startSystemMove());
    if (system) {
        return;
    }
    // No help from the window system: follow the pointer ourselves.
    m_drag = edges ? Drag::Resize : Drag::Move;
    m_edges = edges;
    m_startGlobal = globalPosition.toPoint();
    m_startGeometry = target->geometry();
}

void ChromePiece::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    beginDrag(event->globalPosition(), edgesAt(event->position().toPoint()));
}

void ChromePiece::mouseMoveEvent(QMouseEvent* event) {
    if (m_drag == Drag::None || !(event->buttons() & Qt::LeftButton)) {
        m_drag = Drag::None;
        setCursor(CursorFor(edgesAt(event->position().toPoint())));
        return;
    }
    const QPoint delta = event->globalPosition().toPoint() - m_startGlobal;
    QWidget* target = window();
    if (m_drag == Drag::Move) {
        target->move(m_startGeometry.topLeft() + delta);
        return;
    }
    QRect geometry = m_startGeometry;
    const QSize minimum = target->minimumSizeHint().expandedTo(target->minimumSize());
    if (m_edges & Qt::LeftEdge) {
        geometry.setLeft(qMin(geometry.left() + delta.x(), geometry.right() - minimum.width()));
    }
    if (m_edges & Qt::RightEdge) {
        geometry.setRight(qMax(geometry.right() + delta.x(), geometry.left() + minimum.width()));
    }
    if (m_edges & Qt::TopEdge) {
        geometry.setTop(qMin(geometry.top() + delta.y(), geometry.bottom() - minimum.height()));
    }
    if (m_edges & Qt::BottomEdge) {
        geometry.setBottom(qMax(geometry.bottom() + delta.y(), geometry.top() + minimum.height()));
    }
    target->setGeometry(geometry);
}

void ChromePiece::mouseReleaseEvent(QMouseEvent* event) {
    m_drag = Drag::None;
    QWidget::mouseReleaseEvent(event);
}

CaptionBar::CaptionBar(WindowChrome* chrome, QWidget* window) : ChromePiece(chrome, window) {}

CaptionLayout CaptionBar::layout() const {
    return ComputeCaptionLayout(window()->size(), m_chrome->metrics());
}

void CaptionBar::paintEvent(QPaintEvent*) {
    const CaptionLayout l = layout();
    QPainter painter(this);
    painter.fillRect(rect(), ChromeColor());
    const QIcon icon = window()->windowIcon();
    if (!icon.isNull()) {
        icon.paint(&painter, l.icon);
    }
    painter.drawPixmap(l.close.topLeft(), CaptionButtonPicture(CaptionButton::Close, m_closeHover));
    painter.drawPixmap(l.minimize.topLeft(),
                       CaptionButtonPicture(CaptionButton::Minimize, m_minimizeHover));
    painter.setFont(CaptionTitleFont());
    painter.setPen(Qt::white);
    painter.setClipRect(l.title);
    painter.drawText(l.title, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     window()->windowTitle());
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const CaptionLayout l = layout();
    if (event->button() == Qt::LeftButton) {
        if (l.close.contains(point)) {
            window()->close();
            return;
        }
        if (l.minimize.contains(point)) {
            window()->showMinimized();
            return;
        }
        if (l.icon.contains(point)) {
            emit m_chrome->iconClicked(event->globalPosition().toPoint());
            return;
        }
    }
    ChromePiece::mousePressEvent(event);
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const CaptionLayout l = layout();
    const bool closeHover = l.close.contains(point);
    const bool minimizeHover = l.minimize.contains(point);
    if (closeHover != m_closeHover || minimizeHover != m_minimizeHover) {
        m_closeHover = closeHover;
        m_minimizeHover = minimizeHover;
        update(l.close.united(l.minimize));
    }
    ChromePiece::mouseMoveEvent(event);
}

void CaptionBar::leaveEvent(QEvent* event) {
    if (m_closeHover || m_minimizeHover) {
        m_closeHover = false;
        m_minimizeHover = false;
        update();
    }
    ChromePiece::leaveEvent(event);
}

WindowChrome::WindowChrome(QWidget* window, const FrameMetrics& metrics)
    : QObject(window),
      m_window(window),
      m_metrics(metrics),
      m_caption(new CaptionBar(this, window)),
      m_left(new ChromePiece(this, window)),
      m_right(new ChromePiece(this, window)),
      m_bottom(new ChromePiece(this, window)) {
    m_window->setWindowFlag(Qt::FramelessWindowHint, true);
    m_window->setContentsMargins(ChromeMargins(m_metrics));
    m_window->installEventFilter(this);
    layoutPieces();
}

QRect WindowChrome::closeRect() const {
    const QRect r = ComputeCaptionLayout(m_window->size(), m_metrics).close;
    return r.translated(m_window->mapToGlobal(QPoint(0, 0)));
}

QRect WindowChrome::minimizeRect() const {
    const QRect r = ComputeCaptionLayout(m_window->size(), m_metrics).minimize;
    return r.translated(m_window->mapToGlobal(QPoint(0, 0)));
}

void WindowChrome::layoutPieces() {
    const CaptionLayout l = ComputeCaptionLayout(m_window->size(), m_metrics);
    m_caption->setGeometry(l.top);
    // The side bands start below the caption band, which paints the corners itself.
    m_left->setGeometry(QRect(l.left.left(), l.top.bottom() + 1, l.left.width(),
                              qMax(0, l.left.bottom() - l.top.bottom())));
    m_right->setGeometry(QRect(l.right.left(), l.top.bottom() + 1, l.right.width(),
                               qMax(0, l.right.bottom() - l.top.bottom())));
    m_bottom->setGeometry(l.bottom);
    for (QWidget* piece : {static_cast<QWidget*>(m_caption), static_cast<QWidget*>(m_left),
                           static_cast<QWidget*>(m_right), static_cast<QWidget*>(m_bottom)}) {
        piece->raise();
    }
}

bool WindowChrome::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window) {
        switch (event->type()) {
            case QEvent::Resize:
            case QEvent::Show:
                layoutPieces();
                break;
            case QEvent::WindowTitleChange:
            case QEvent::WindowIconChange:
                m_caption->update();
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}
