#pragma once

// The footer picture area: a frame filled with a picture at its natural size from the frame's
// top-left corner, cropped by the frame (repeated when the frame is larger). It reports clicks.

#include <QFrame>
#include <QPixmap>

class QPainter;

// Fills `area` with the picture as a pattern whose origin is the area's top-left corner.
void PaintPictureArea(QPainter& painter, const QRect& area, const QPixmap& picture);

class PictureArea : public QFrame {
    Q_OBJECT

public:
    explicit PictureArea(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
};
