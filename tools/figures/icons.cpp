#include "icons.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <algorithm>

QImage drawIcon(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Drawn on a 32-unit grid; the strokes keep at least 1.5 real pixels so
    // that the small icon does not fade.
    const double scale = pixels / 32.0;
    painter.scale(scale, scale);
    const double outline = std::max(2.2, 1.5 / scale);
    const double mark = std::max(2.4, 1.6 / scale);

    const QPointF a(2.5, 28.5);
    const QPointF b(29.5, 28.5);
    const QPointF c(19.0, 3.5);
    painter.setPen(QPen(QColor(0x0b, 0x3d, 0x91), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xff, 0xf1, 0xb8));
    painter.drawPolygon(QPolygonF({ a, b, c }));

    // The arc of the angle at A, from side AB round to side AC.
    const double radius = 12.0;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(a.x() - radius, a.y() - radius, 2 * radius, 2 * radius), 0.0);
    arc.arcTo(QRectF(a.x() - radius, a.y() - radius, 2 * radius, 2 * radius), 0.0, QLineF(a, c).angle());
    painter.setPen(QPen(QColor(0xd3, 0x2f, 0x2f), mark, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);
    painter.end();
    return image;
}
