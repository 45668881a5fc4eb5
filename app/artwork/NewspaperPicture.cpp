// Bitmap 140: the day's paper, a little askew on a blue-grey backdrop, with a red masthead,
// a headline, a photo of the Beijing skyline and two columns of print.

#include "app/artwork/Painters.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <vector>

namespace {

const QColor kPaper(247, 243, 232);
const QColor kPaperEdge(190, 181, 160);
const QColor kMastheadRed(183, 36, 30);
const QColor kInk(40, 38, 36);
const QColor kPrint(150, 146, 136);

// Pseudo characters of the masthead: strokes in a 7 x 7 cell, as (x1, y1, x2, y2).
struct Stroke {
    qreal x1, y1, x2, y2;
};
const std::vector<std::vector<Stroke>> kMastheadGlyphs = {
    {{0, 1, 7, 1}, {3.5, 0, 3.5, 7}, {1, 4, 6, 4}, {0.5, 7, 6.5, 7}},          // a cross with bars
    {{0.5, 0.5, 0.5, 7}, {6.5, 0.5, 6.5, 7}, {0.5, 0.5, 6.5, 0.5}, {0.5, 3.5, 6.5, 3.5},
     {0.5, 7, 6.5, 7}},                                                           // a boxed 日
    {{3.5, 0, 3.5, 2}, {0, 2, 7, 2}, {1, 2, 0, 7}, {6, 2, 7, 7}, {2.5, 4, 4.5, 5.5}}, // a roof
};

void paintBackdrop(QPainter& p, int width, int height)
{
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(222, 231, 240));
    sky.setColorAt(1, QColor(168, 186, 206));
    p.fillRect(QRectF(0, 0, width, height), sky);
    p.setPen(QPen(QColor(120, 138, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
}

void paintMasthead(QPainter& p, const QRectF& page)
{
    const qreal top = page.top() + 4;
    qreal x = page.left() + 5;
    p.setPen(QPen(kMastheadRed, 1.5, Qt::SolidLine, Qt::SquareCap));
    for (const auto& glyph : kMastheadGlyphs) {
        for (const Stroke& s : glyph)
            p.drawLine(QPointF(x + s.x1, top + s.y1), QPointF(x + s.x2, top + s.y2));
        x += 10;
    }
    // Issue number and date, right of the title.
    p.setPen(QPen(kPrint, 1));
    p.drawLine(QPointF(page.right() - 16, top + 2), QPointF(page.right() - 5, top + 2));
    p.drawLine(QPointF(page.right() - 13, top + 5), QPointF(page.right() - 5, top + 5));
    // Double rule under the masthead.
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(page.left() + 4, top + 10), QPointF(page.right() - 4, top + 10));
    p.setPen(QPen(kInk, 0.6));
    p.drawLine(QPointF(page.left() + 4, top + 12), QPointF(page.right() - 4, top + 12));
}

void paintHeadline(QPainter& p, const QRectF& page)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const qreal top = page.top() + 19;
    p.drawRect(QRectF(page.left() + 4, top, page.width() - 8, 3));
    p.drawRect(QRectF(page.left() + 4, top + 5, page.width() * 0.62, 3));
}

// The gate tower with its red wall and golden double roof.
void paintGate(QPainter& p, qreal centreX, qreal groundY)
{
    const QColor wall(176, 44, 36);
    const QColor roof(226, 170, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(QRectF(centreX - 13, groundY - 6, 26, 6));
    p.setBrush(QColor(60, 30, 24));
    p.drawRoundedRect(QRectF(centreX - 1.5, groundY - 4, 3, 4), 1.5, 1.5);
    p.setBrush(wall.darker(115));
    p.drawRect(QRectF(centreX - 9, groundY - 10, 18, 4));

    auto eaves = [&](qreal halfWidth, qreal y, qreal depth) {
        QPainterPath path;
        path.moveTo(centreX - halfWidth, y - 0.8);
        path.quadTo(centreX - halfWidth + 2, y, centreX - halfWidth + 3.5, y);
        path.lineTo(centreX + halfWidth - 3.5, y);
        path.quadTo(centreX + halfWidth - 2, y, centreX + halfWidth, y - 0.8);
        path.lineTo(centreX + halfWidth - 4, y - depth);
        path.lineTo(centreX - halfWidth + 4, y - depth);
        path.closeSubpath();
        p.drawPath(path);
    };
    p.setBrush(roof);
    eaves(12, groundY - 9.5, 2.5);
    p.setBrush(wall.darker(115));
    p.drawRect(QRectF(centreX - 6.5, groundY - 14, 13, 3));
    p.setBrush(roof);
    eaves(9.5, groundY - 13.5, 3);
}

void paintPhoto(QPainter& p, const QRectF& photo)
{
    QLinearGradient sky(photo.topLeft(), photo.bottomLeft());
    sky.setColorAt(0, QColor(120, 170, 220));
    sky.setColorAt(1, QColor(226, 236, 244));
    p.setPen(Qt::NoPen);
    p.fillRect(photo, sky);

    p.save();
    p.setClipRect(photo);
    p.setBrush(QColor(255, 236, 170));
    p.drawEllipse(QPointF(photo.left() + 8, photo.top() + 6), 3.2, 3.2);

    // Distant towers, then the TV tower with its pod, then the gate in front.
    const qreal ground = photo.bottom() - 3;
    p.setBrush(QColor(136, 156, 182));
    const QRectF blocks[] = {{photo.left() + 1, ground - 9, 5, 9},  {photo.left() + 6, ground - 13, 4, 13},
                             {photo.right() - 16, ground - 11, 5, 11}, {photo.right() - 9, ground - 8, 6, 8},
                             {photo.right() - 4, ground - 12, 4, 12}};
    for (const QRectF& block : blocks)
        p.drawRect(block);
    const qreal towerX = photo.right() - 12.5;
    p.setBrush(QColor(96, 112, 138));
    QPainterPath tower;
    tower.moveTo(towerX - 1.6, ground);
    tower.lineTo(towerX - 0.6, photo.top() + 6);
    tower.lineTo(towerX + 0.6, photo.top() + 6);
    tower.lineTo(towerX + 1.6, ground);
    tower.closeSubpath();
    p.drawPath(tower);
    p.drawRect(QRectF(towerX - 0.3, photo.top() + 1, 0.6, 5));
    p.drawEllipse(QPointF(towerX, photo.top() + 9), 2.2, 1.4);

    p.setBrush(QColor(126, 130, 120));
    p.drawRect(QRectF(photo.left(), ground, photo.width(), photo.bottom() - ground));
    paintGate(p, photo.center().x() - 4, ground);
    p.restore();

    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(photo);
}

void paintColumns(QPainter& p, const QRectF& area)
{
    p.setPen(QPen(kPrint, 1, Qt::SolidLine, Qt::FlatCap));
    const qreal gap = 4;
    const qreal columnWidth = (area.width() - gap) / 2;
    // Relative line lengths: a short line closes a paragraph.
    const qreal lengths[] = {1, 1, 0.9, 1, 0.55, 1, 1, 0.8};
    for (int column = 0; column < 2; ++column) {
        const qreal left = area.left() + column * (columnWidth + gap);
        int line = column * 3;
        for (qreal y = area.top() + 0.5; y < area.bottom(); y += 3, ++line) {
            const qreal length = lengths[line % 8] * columnWidth;
            p.drawLine(QPointF(left, y), QPointF(left + length, y));
        }
    }
}

} // namespace

void paintNewspaper(QPainter& p, int width, int height)
{
    paintBackdrop(p, width, height);

    const QRectF page(-30, -42, 60, 84);
    p.translate(width / 2.0, height / 2.0);
    p.rotate(-4);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 30, 50, 70));
    p.drawRect(page.translated(2, 2.5));
    QLinearGradient paper(page.topLeft(), page.bottomRight());
    paper.setColorAt(0, kPaper);
    paper.setColorAt(1, kPaper.darker(106));
    p.setBrush(paper);
    p.setPen(QPen(kPaperEdge, 0.8));
    p.drawRect(page);

    paintMasthead(p, page);
    paintHeadline(p, page);
    paintPhoto(p, QRectF(page.left() + 4, page.top() + 30, page.width() - 8, 26));
    paintColumns(p, QRectF(page.left() + 4, page.top() + 60, page.width() - 8, 20));
}
