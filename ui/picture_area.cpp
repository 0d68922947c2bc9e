#include "ui/picture_area.h"

#include <QMouseEvent>
#include <QPainter>

void PaintPictureArea(QPainter& painter, const QRect& area, const QPixmap& picture) {
    if (picture.isNull() || area.isEmpty()) {
        return;
    }
    painter.save();
    painter.setBrushOrigin(area.topLeft());
    painter.fillRect(area, QBrush(picture));
    painter.restore();
}

PictureArea::PictureArea(QWidget* parent) : QFrame(parent) {}

void PictureArea::setPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void PictureArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    PaintPictureArea(painter, contentsRect(), m_picture);
    painter.end();
    QFrame::paintEvent(event);
}

void PictureArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QFrame::mouseReleaseEvent(event);
}
