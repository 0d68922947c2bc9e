#include "app/program_pictures_window.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kCaptionBlue(41, 56, 206);

// A receipt printer: a body with a slot and a receipt coming out of it.
void PaintPrinter(QPainter& p, const QRectF& box, const QColor& body) {
    const qreal u = box.width() / 16.0;
    const QPointF o = box.topLeft();
    auto r = [&](qreal x, qreal y, qreal w, qreal h) {
        return QRectF(o.x() + x * u, o.y() + y * u, w * u, h * u);
    };
    p.setPen(Qt::NoPen);
    // Receipt behind the body.
    p.setBrush(Qt::white);
    p.drawRect(r(4, 1, 8, 9));
    p.setBrush(QColor(90, 100, 130));
    for (int line = 0; line < 3; ++line) {
        p.drawRect(r(5, 2.5 + line * 2, line == 2 ? 4 : 6, 0.8));
    }
    // Body.
    QLinearGradient shade(r(0, 7, 16, 8).topLeft(), r(0, 7, 16, 8).bottomLeft());
    shade.setColorAt(0, body.lighter(140));
    shade.setColorAt(1, body);
    p.setBrush(shade);
    p.drawRoundedRect(r(1, 7, 14, 8), 1.5 * u, 1.5 * u);
    p.setBrush(QColor(20, 24, 40));
    p.drawRect(r(3.5, 8.5, 9, 1));
    p.setBrush(QColor(90, 220, 120));
    p.drawEllipse(r(11.5, 12, 1.6, 1.6));
}

QPixmap IconPicture() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    PaintPrinter(p, QRectF(0, 0, 64, 64), kCaptionBlue);
    return pixmap;
}

QPixmap FooterPicture() {
    QPixmap pixmap(80, 80);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 80);
    sky.setColorAt(0, QColor(210, 226, 255));
    sky.setColorAt(1, QColor(120, 150, 230));
    p.fillRect(QRect(0, 0, 80, 80), sky);
    PaintPrinter(p, QRectF(6, 6, 64, 64), kCaptionBlue.darker(120));
    return pixmap;
}

}  // namespace

QPixmap ProgramPicture(int id) {
    switch (id) {
        case IDB_FOOTER:
            return FooterPicture();
        case IDR_MAINFRAME:
        case IDI_PROGRAM:
            return IconPicture();
        default:
            return QPixmap();
    }
}

QIcon ProgramIcon() {
    const QPixmap big = IconPicture();
    QIcon icon;
    for (int size : {16, 21, 24, 32, 48, 64}) {
        icon.addPixmap(big.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return icon;
}
