#include "widgets/EdgeDrawing.h"

#include <QPainter>

namespace widgets {

namespace {

// One ring of one-pixel lines: top and left in one colour, bottom and right in another.
void drawRing(QPainter& painter, const QRect& r, std::uint32_t sides, const QColor& topLeft,
              const QColor& bottomRight)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (sides & edge::Top)
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    if (sides & edge::Left)
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    if (sides & edge::Bottom)
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    if (sides & edge::Right)
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

// The ring's area for the next one in: only the drawn sides take a pixel.
QRect shrunk(const QRect& r, std::uint32_t sides)
{
    return r.adjusted(sides & edge::Left ? 1 : 0, sides & edge::Top ? 1 : 0,
                      sides & edge::Right ? -1 : 0, sides & edge::Bottom ? -1 : 0);
}

} // namespace

void drawEdge(QPainter& painter, const QRect& rect, std::uint32_t edgeType, std::uint32_t flags,
              const QPalette& palette)
{
    const std::uint32_t sides = flags & edge::AllSides;
    if (sides == 0)
        return;

    const QColor highlight = palette.color(QPalette::Light);
    const QColor light = palette.color(QPalette::Midlight);
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor darkShadow = palette.color(QPalette::Shadow);
    const QColor face = palette.color(QPalette::Button);

    QRect r = rect;
    if (flags & edge::Flat) {
        if (edgeType & (edge::RaisedOuter | edge::SunkenOuter)) {
            drawRing(painter, r, sides, shadow, shadow);
            r = shrunk(r, sides);
        }
        if (edgeType & (edge::RaisedInner | edge::SunkenInner))
            drawRing(painter, r, sides, face, face);
        return;
    }

    if (edgeType & edge::RaisedOuter) {
        drawRing(painter, r, sides, light, darkShadow);
        r = shrunk(r, sides);
    } else if (edgeType & edge::SunkenOuter) {
        drawRing(painter, r, sides, shadow, highlight);
        r = shrunk(r, sides);
    }
    if (edgeType & edge::RaisedInner)
        drawRing(painter, r, sides, highlight, shadow);
    else if (edgeType & edge::SunkenInner)
        drawRing(painter, r, sides, darkShadow, light);
}

} // namespace widgets
