// Icon 134: the hospital's doctor's bag, dark leather with a brass frame and a red cross.

#include "app/artwork/Painters.h"

#include <QLinearGradient>
#include <QPainterPath>

void paintDoctorBagIcon(QPainter& p, int size)
{
    p.scale(size / 32.0, size / 32.0);
    const QColor outline(44, 24, 14);

    // Handle first, so the bag's frame covers its feet.
    p.setPen(QPen(outline, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath handle;
    handle.moveTo(11, 10);
    handle.cubicTo(11, 3.5, 21, 3.5, 21, 10);
    p.drawPath(handle);

    QPainterPath body;
    body.moveTo(5, 10);
    body.lineTo(27, 10);
    body.lineTo(29.5, 27);
    body.quadTo(29.5, 29.5, 27, 29.5);
    body.lineTo(5, 29.5);
    body.quadTo(2.5, 29.5, 2.5, 27);
    body.closeSubpath();
    QLinearGradient leather(0, 10, 0, 29.5);
    leather.setColorAt(0, QColor(130, 78, 46));
    leather.setColorAt(1, QColor(70, 38, 20));
    p.setPen(QPen(outline, 1));
    p.setBrush(leather);
    p.drawPath(body);

    // Brass frame along the opening, with the clasp in the middle.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 172, 74));
    p.drawRoundedRect(QRectF(4, 9, 24, 3), 1.2, 1.2);
    p.setBrush(QColor(170, 130, 50));
    p.drawRect(QRectF(14.5, 11, 3, 2.5));

    // The white disc and red cross that say "doctor" at any size.
    p.setPen(QPen(QColor(120, 120, 120), 0.6));
    p.setBrush(QColor(250, 250, 246));
    p.drawEllipse(QPointF(16, 20.5), 6.3, 6.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 32, 36));
    p.drawRect(QRectF(14.2, 16, 3.6, 9));
    p.drawRect(QRectF(11.5, 18.7, 9, 3.6));
}
