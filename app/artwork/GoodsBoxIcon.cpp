// Icon 146: a taped carton of goods in three-quarter view, drawn for 16 x 16 rows.

#include "app/artwork/Painters.h"

#include <QPainterPath>
#include <QPolygonF>

void paintGoodsBoxIcon(QPainter& p, int size)
{
    // Laid out on a 16-unit grid with edges on half pixels, so lines land on whole pixels.
    p.scale(size / 16.0, size / 16.0);

    const QPointF frontTopLeft(1.5, 5.5), frontTopRight(10.5, 5.5);
    const QPointF backTopRight(14.5, 1.5), backTopLeft(5.5, 1.5);
    const QPointF frontBottomLeft(1.5, 14.5), frontBottomRight(10.5, 14.5);
    const QPointF backBottomRight(14.5, 10.5);
    const QColor outline(90, 52, 20);

    p.setPen(QPen(outline, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(200, 138, 72));
    p.drawPolygon(QPolygonF({frontTopLeft, frontTopRight, frontBottomRight, frontBottomLeft}));
    p.setBrush(QColor(156, 100, 48));
    p.drawPolygon(QPolygonF({frontTopRight, backTopRight, backBottomRight, frontBottomRight}));
    p.setBrush(QColor(232, 184, 122));
    p.drawPolygon(QPolygonF({frontTopLeft, backTopLeft, backTopRight, frontTopRight}));

    // Packing tape over the lid and down the front.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 226, 170));
    p.drawPolygon(QPolygonF({{5, 5}, {9, 2}, {11, 2}, {7, 5}}));
    p.drawRect(QRectF(5, 6, 2, 4));

    // A red "fragile" mark so the carton reads as goods, not as a plain block.
    p.setBrush(QColor(196, 40, 36));
    p.drawRect(QRectF(3, 11, 2, 2));
}
