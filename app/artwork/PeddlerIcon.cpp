// Icon 128, the game's own: a peddler's carrying pole with a cloth bundle and a basket of
// goods, on a red medallion.

#include "app/artwork/Painters.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kRope(70, 44, 22);

void paintMedallion(QPainter& p, bool detailed)
{
    QRadialGradient red(QPointF(24, 20), 40);
    red.setColorAt(0, QColor(214, 66, 52));
    red.setColorAt(1, QColor(120, 22, 20));
    // At 16 pixels the ring must still be one whole pixel wide.
    p.setPen(QPen(QColor(230, 186, 84), detailed ? 2.5 : 4));
    p.setBrush(red);
    p.drawEllipse(QPointF(32, 32), 30, 30);
}

void paintPole(QPainter& p, bool detailed)
{
    // A pole bends under its loads: ends lower than the middle.
    QPainterPath pole;
    pole.moveTo(6, 22);
    pole.quadTo(32, 12, 58, 22);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(92, 56, 24), detailed ? 5 : 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(pole);
    p.setPen(QPen(QColor(224, 180, 112), detailed ? 2.6 : 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(pole);
}

// Cloth bundle tied at the top, hanging from the left end of the pole.
void paintClothBundle(QPainter& p, bool detailed)
{
    if (detailed) {
        p.setPen(QPen(kRope, 1.2));
        p.drawLine(QPointF(12, 21), QPointF(9, 33));
        p.drawLine(QPointF(12, 21), QPointF(16, 33));
    }
    QPainterPath cloth;
    cloth.moveTo(12.5, 31);
    cloth.cubicTo(2, 33, 1.5, 52, 8, 53);
    cloth.lineTo(18, 53);
    cloth.cubicTo(25, 52, 24, 33, 13.5, 31);
    cloth.closeSubpath();
    QLinearGradient indigo(4, 30, 22, 53);
    indigo.setColorAt(0, QColor(72, 118, 200));
    indigo.setColorAt(1, QColor(28, 54, 120));
    p.setPen(QPen(QColor(16, 30, 70), detailed ? 1 : 1.6));
    p.setBrush(indigo);
    p.drawPath(cloth);

    if (detailed) {
        // Printed flowers of the cloth.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 240, 250));
        const QPointF dots[] = {{9, 39}, {16, 38}, {12.5, 44}, {7.5, 47.5}, {18, 47}, {13, 50}};
        for (const QPointF& dot : dots)
            p.drawEllipse(dot, 1.1, 1.1);
    }
    // The knot with its two ears.
    p.setPen(QPen(QColor(16, 30, 70), detailed ? 0.8 : 1.2));
    p.setBrush(QColor(56, 96, 176));
    p.drawEllipse(QPointF(10, 29.5), 2.6, 1.6);
    p.drawEllipse(QPointF(16, 29.5), 2.6, 1.6);
    p.drawEllipse(QPointF(13, 31), 2, 2);
}

// Straw basket at the right end, goods showing over the rim.
void paintBasket(QPainter& p, bool detailed)
{
    p.setPen(QPen(kRope, detailed ? 1.2 : 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(52, 21), QPointF(42, 36));
    p.drawLine(QPointF(52, 21), QPointF(62, 36));

    p.setPen(QPen(QColor(60, 30, 20), detailed ? 0.8 : 1.2));
    p.setBrush(QColor(60, 160, 80));
    p.drawEllipse(QPointF(47, 35), 3.5, 3);
    p.setBrush(QColor(230, 70, 50));
    p.drawEllipse(QPointF(54, 34), 4, 3.5);
    p.setBrush(QColor(250, 200, 60));
    p.drawRect(QRectF(49.5, 32, 3.5, 4.5));

    QPainterPath basket;
    basket.moveTo(41, 36);
    basket.lineTo(63, 36);
    basket.lineTo(60, 52);
    basket.quadTo(59.5, 54, 57.5, 54);
    basket.lineTo(46.5, 54);
    basket.quadTo(44.5, 54, 44, 52);
    basket.closeSubpath();
    QLinearGradient straw(41, 36, 63, 54);
    straw.setColorAt(0, QColor(242, 206, 112));
    straw.setColorAt(1, QColor(186, 132, 50));
    p.setPen(QPen(QColor(110, 70, 20), detailed ? 1 : 1.6));
    p.setBrush(straw);
    p.drawPath(basket);

    if (detailed) {
        // Weave: bands across, ribs down.
        p.save();
        p.setClipPath(basket);
        p.setPen(QPen(QColor(150, 100, 36), 0.8));
        for (qreal y = 40; y < 54; y += 4)
            p.drawLine(QPointF(40, y), QPointF(64, y));
        for (qreal x = 45; x < 62; x += 4)
            p.drawLine(QPointF(x, 36), QPointF(x + 0.6 * (52 - x) / 4, 54));
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 90, 28));
    p.drawRoundedRect(QRectF(40, 35, 24, 2.6), 1.3, 1.3);
}

} // namespace

void paintPeddlerIcon(QPainter& p, int size)
{
    // Drawn on a 64-unit grid; below 32 pixels the fine work would only blur.
    const bool detailed = size >= 32;
    p.scale(size / 64.0, size / 64.0);
    paintMedallion(p, detailed);
    paintClothBundle(p, detailed);
    paintBasket(p, detailed);
    paintPole(p, detailed);
}
