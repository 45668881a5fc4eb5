// Bitmap 141: an open diary on a wooden desk, a few lines written, the pen laid across it.

#include "app/artwork/Painters.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor kCover(122, 31, 34);
const QColor kPage(251, 246, 230);
const QColor kRule(170, 193, 220);
const QColor kHandwriting(36, 56, 120);

void paintDesk(QPainter& p, int width, int height)
{
    QLinearGradient wood(0, 0, width, height);
    wood.setColorAt(0, QColor(204, 158, 108));
    wood.setColorAt(1, QColor(150, 102, 62));
    p.fillRect(QRectF(0, 0, width, height), wood);
    // Grain: long soft waves across the boards.
    p.setPen(QPen(QColor(120, 78, 44, 70), 0.8));
    p.setBrush(Qt::NoBrush);
    for (qreal y = 4; y < height; y += 9) {
        QPainterPath grain;
        grain.moveTo(0, y);
        grain.cubicTo(width * 0.3, y - 3, width * 0.6, y + 4, width, y - 1);
        p.drawPath(grain);
    }
    p.setPen(QPen(QColor(96, 60, 34), 1));
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
}

// One page; `towardSpine` is +1 for the left page, -1 for the right one, so the shade falls
// into the fold.
void paintPage(QPainter& p, const QRectF& page, int towardSpine)
{
    QPainterPath sheet;
    const qreal spineX = towardSpine > 0 ? page.right() : page.left();
    const qreal outerX = towardSpine > 0 ? page.left() : page.right();
    sheet.moveTo(spineX, page.top() + 2);
    sheet.quadTo((spineX + outerX) / 2, page.top() - 1.5, outerX, page.top());
    sheet.lineTo(outerX, page.bottom());
    sheet.quadTo((spineX + outerX) / 2, page.bottom() - 1.5, spineX, page.bottom() + 1);
    sheet.closeSubpath();

    QLinearGradient shade(outerX, 0, spineX, 0);
    shade.setColorAt(0, kPage);
    shade.setColorAt(0.75, kPage);
    shade.setColorAt(1, kPage.darker(122));
    p.setPen(QPen(QColor(176, 160, 130), 0.6));
    p.setBrush(shade);
    p.drawPath(sheet);

    p.setPen(QPen(kRule, 0.7));
    for (qreal y = page.top() + 12.5; y < page.bottom() - 3; y += 6)
        p.drawLine(QPointF(page.left() + 2, y), QPointF(page.right() - 2, y));
}

// A line of handwriting sitting on a rule: small loops of varying height.
void paintWriting(QPainter& p, qreal left, qreal right, qreal baseline, int seed)
{
    QPainterPath line;
    line.moveTo(left, baseline);
    int step = seed;
    for (qreal x = left; x < right - 2; x += 2.2, ++step) {
        const qreal rise = 1.4 + (step * 7 % 5) * 0.45;
        line.cubicTo(x + 0.6, baseline - rise, x + 1.6, baseline - rise, x + 2.2, baseline);
    }
    p.setPen(QPen(kHandwriting, 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
}

void paintPen(QPainter& p, QPointF nib, qreal angleDegrees)
{
    p.save();
    p.translate(nib);
    p.rotate(angleDegrees);
    // Along +x from the nib: nib, grip, band, barrel, cap end; the clip rides on the cap.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 20, 10, 60));
    p.drawRoundedRect(QRectF(5, 1.2, 38, 4.4), 2, 2);

    QPainterPath nibPath;
    nibPath.moveTo(0, 0);
    nibPath.lineTo(6, -1.7);
    nibPath.lineTo(6, 1.7);
    nibPath.closeSubpath();
    p.setBrush(QColor(222, 186, 92));
    p.drawPath(nibPath);
    p.setPen(QPen(QColor(120, 90, 30), 0.4));
    p.drawLine(QPointF(1.5, 0), QPointF(5.5, 0));

    QLinearGradient barrel(0, -2.2, 0, 2.2);
    barrel.setColorAt(0, QColor(70, 130, 100));
    barrel.setColorAt(0.45, QColor(24, 80, 58));
    barrel.setColorAt(1, QColor(10, 40, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(barrel);
    p.drawRoundedRect(QRectF(5.5, -2.2, 36, 4.4), 2.2, 2.2);
    p.setBrush(QColor(230, 196, 96));
    p.drawRect(QRectF(20, -2.3, 1.4, 4.6));
    p.drawRect(QRectF(24, -2.6, 14, 1.1)); // clip
    p.restore();
}

} // namespace

void paintDiary(QPainter& p, int width, int height)
{
    paintDesk(p, width, height);

    const QRectF cover(4, 8, width - 8, height - 15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 20, 10, 80));
    p.drawRoundedRect(cover.translated(1.5, 2), 3, 3);
    p.setBrush(kCover);
    p.setPen(QPen(kCover.darker(140), 0.8));
    p.drawRoundedRect(cover, 3, 3);

    const qreal spine = width / 2.0;
    const QRectF leftPage(cover.left() + 3, cover.top() + 3, spine - cover.left() - 3, cover.height() - 6);
    const QRectF rightPage(spine, leftPage.top(), leftPage.width(), leftPage.height());
    paintPage(p, leftPage, +1);
    paintPage(p, rightPage, -1);

    // A red date stamp over the first entry, then the entry itself.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 48, 40));
    p.drawRect(QRectF(leftPage.left() + 3, leftPage.top() + 4, 10, 3));
    int seed = 0;
    for (qreal y = leftPage.top() + 12; y < leftPage.bottom() - 3; y += 6, ++seed) {
        const qreal end = (seed % 4 == 3) ? leftPage.center().x() : leftPage.right() - 3;
        paintWriting(p, leftPage.left() + 3, end, y, seed);
    }
    for (int line = 0; line < 3; ++line) {
        const qreal end = line == 2 ? rightPage.left() + 14 : rightPage.right() - 3;
        paintWriting(p, rightPage.left() + 3, end, rightPage.top() + 12 + line * 6, line + 5);
    }

    // Ribbon marker out of the fold at the bottom.
    QPainterPath ribbon;
    ribbon.moveTo(spine - 1, cover.bottom() - 4);
    ribbon.lineTo(spine + 1.5, cover.bottom() - 4);
    ribbon.lineTo(spine + 3, height - 1.5);
    ribbon.lineTo(spine + 1.6, height - 3);
    ribbon.lineTo(spine + 0.2, height - 1.5);
    ribbon.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 170, 60));
    p.drawPath(ribbon);

    p.setPen(QPen(QColor(120, 96, 70), 0.8));
    p.drawLine(QPointF(spine, leftPage.top() + 1), QPointF(spine, leftPage.bottom() + 1));

    // The pen rests where the writing stopped.
    paintPen(p, QPointF(rightPage.left() + 9, rightPage.top() + 29), 56);
}
