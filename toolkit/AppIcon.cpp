#include "AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace halvo {

QImage renderAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // At 16 pixels every pixel counts: no margin, and the strokes get thicker in proportion.
    const double s = size;
    const double margin = size <= 16 ? 0.0 : s * 0.04;
    const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0.0, QColor(0x1e, 0x5b, 0xd8));
    fill.setColorAt(1.0, QColor(0x06, 0x1a, 0x5c));
    QPainterPath tilePath;
    tilePath.addRoundedRect(tile, s * 0.2, s * 0.2);
    p.fillPath(tilePath, fill);
    if (size >= 32) {
        p.setPen(QPen(QColor(255, 255, 255, 70), s / 32.0));
        p.drawPath(tilePath);
    }

    // The power sign: an open ring with a bar through its gap.
    const double stroke = size <= 16 ? 2.0 : s * 0.1;
    const QPointF centre(s / 2, s / 2 + s * 0.03);
    const double radius = s * (size <= 16 ? 0.31 : 0.27);
    QPen pen(Qt::white, stroke, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    const QRectF ring(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    // Qt counts angles in 1/16 degree, counter-clockwise from three o'clock; leave 70 degrees open on top.
    p.drawArc(ring, (90 + 35) * 16, (360 - 70) * 16);
    p.drawLine(QPointF(centre.x(), centre.y() - radius - stroke * 0.6),
               QPointF(centre.x(), centre.y() - s * 0.02));
    return image;
}

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(renderAppIcon(size)));
    return icon;
}

} // namespace halvo
