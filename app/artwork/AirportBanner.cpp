// Bitmap 144: a narrow strip of sky over the runway, an airliner climbing away from the
// tower and leaving a trail.

#include "app/artwork/Painters.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

void paintSky(QPainter& p, int width, qreal horizon)
{
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(52, 116, 196));
    sky.setColorAt(1, QColor(196, 226, 248));
    p.fillRect(QRectF(0, 0, width, horizon), sky);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    const QPointF puffs[] = {{92, 5}, {97, 4}, {101, 5.5}, {126, 8}, {130, 7}};
    for (const QPointF& puff : puffs)
        p.drawEllipse(puff, 3.2, 1.8);
}

void paintRunway(QPainter& p, int width, int height, qreal horizon)
{
    p.fillRect(QRectF(0, horizon, width, height - horizon), QColor(88, 140, 72));
    const QRectF strip(0, horizon + 1, width, height - horizon - 1);
    p.fillRect(strip, QColor(70, 74, 80));
    p.setPen(QPen(QColor(240, 240, 232), 1, Qt::SolidLine, Qt::FlatCap));
    const qreal centreLine = strip.center().y();
    for (qreal x = 2; x < width; x += 9)
        p.drawLine(QPointF(x, centreLine), QPointF(x + 5, centreLine));
}

void paintTower(QPainter& p, qreal x, qreal ground)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 222, 214));
    p.drawRect(QRectF(x - 1.2, ground - 9, 2.4, 9));
    p.setBrush(QColor(96, 104, 112));
    p.drawRect(QRectF(x - 3.2, ground - 11.5, 6.4, 1.2));
    p.setBrush(QColor(70, 180, 196));
    p.drawRect(QRectF(x - 2.7, ground - 10.3, 5.4, 2));
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QPointF(x, ground - 12.6), 0.7, 0.7);
}

// The airliner, nose along +x, about 28 long and 9 high around its own origin.
void paintAirliner(QPainter& p)
{
    const QColor outline(78, 88, 104);
    p.setPen(QPen(outline, 0.6));

    p.setBrush(QColor(150, 160, 176));
    QPainterPath farWing;
    farWing.moveTo(10, -1);
    farWing.lineTo(4, -5);
    farWing.lineTo(6.5, -5);
    farWing.lineTo(15, -1);
    farWing.closeSubpath();
    p.drawPath(farWing);

    QPainterPath tail;
    tail.moveTo(-12, -1);
    tail.lineTo(-14.5, -7.5);
    tail.lineTo(-11.5, -7.5);
    tail.lineTo(-6, -1);
    tail.closeSubpath();
    p.setBrush(QColor(200, 40, 44));
    p.drawPath(tail);

    QPainterPath body;
    body.moveTo(-14, -1.6);
    body.lineTo(10, -1.6);
    body.cubicTo(13.5, -1.6, 15, 0, 15, 0.4);
    body.cubicTo(14.5, 1.6, 12.5, 1.8, 10, 1.8);
    body.lineTo(-10, 1.8);
    body.closeSubpath();
    QLinearGradient metal(0, -1.6, 0, 1.8);
    metal.setColorAt(0, QColor(255, 255, 255));
    metal.setColorAt(1, QColor(200, 208, 220));
    p.setBrush(metal);
    p.drawPath(body);

    p.setPen(QPen(QColor(36, 84, 168), 0.7));
    p.drawLine(QPointF(-11, 0.6), QPointF(12, 0.6));

    p.setPen(QPen(outline, 0.6));
    p.setBrush(QColor(186, 194, 208));
    QPainterPath nearWing;
    nearWing.moveTo(8, 0.8);
    nearWing.lineTo(1, 6.5);
    nearWing.lineTo(4, 6.5);
    nearWing.lineTo(13, 0.8);
    nearWing.closeSubpath();
    p.drawPath(nearWing);
    p.setBrush(QColor(120, 128, 142));
    p.drawRoundedRect(QRectF(4.6, 2.8, 3.4, 1.4), 0.7, 0.7); // engine
}

} // namespace

void paintAirportBanner(QPainter& p, int width, int height)
{
    const qreal horizon = height - 5;
    paintSky(p, width, horizon);
    paintRunway(p, width, height, horizon);
    paintTower(p, width - 14, horizon + 1);

    const QPointF plane(54, 6.4);
    const qreal climbDegrees = -11;

    // The trail thins out behind the plane.
    QLinearGradient trail(12, 0, plane.x() - 11, 0);
    trail.setColorAt(0, QColor(255, 255, 255, 0));
    trail.setColorAt(1, QColor(255, 255, 255, 200));
    p.save();
    p.translate(plane);
    p.rotate(climbDegrees);
    p.translate(-plane);
    p.setPen(QPen(QBrush(trail), 0.9));
    p.drawLine(QPointF(12, plane.y() - 1), QPointF(plane.x() - 11, plane.y() - 1));
    p.drawLine(QPointF(14, plane.y() + 1), QPointF(plane.x() - 9, plane.y() + 1));
    p.translate(plane);
    p.scale(0.78, 0.78); // small enough to keep its wing clear of the runway
    paintAirliner(p);
    p.restore();
}
