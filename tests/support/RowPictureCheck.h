#pragma once
// Screenshot checks of a dragged row's picture: where the list marks its selected row, and how
// far the picture agrees with that row as the list draws it. The list draws the row selected
// (light text on the selection colour), the picture plain (dark on the list's ground), so the
// two are compared by their ink: whatever differs from the ground each lies on.

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdlib>

namespace rowpicture {

inline int colourDistance(QRgb one, QRgb two)
{
    return std::abs(qRed(one) - qRed(two)) + std::abs(qGreen(one) - qGreen(two)) + std::abs(qBlue(one) - qBlue(two));
}

inline bool isInk(QRgb pixel, QRgb ground)
{
    return colourDistance(pixel, ground) > 150;
}

// The mark of the selected row around `inside`, a point of the mark where no text stands. The
// style may shade the mark a little from top to bottom, and draws no text along its top line.
inline QRect selectedRowBox(const QImage& shot, QPoint inside)
{
    const QRgb selection = shot.pixel(inside);
    const auto marked = [&](int x, int y) {
        return shot.rect().contains(x, y) && colourDistance(shot.pixel(x, y), selection) < 80;
    };
    int top = inside.y(), bottom = inside.y(), left = inside.x(), right = inside.x();
    while (marked(inside.x(), top - 1))
        --top;
    while (marked(inside.x(), bottom + 1))
        ++bottom;
    while (marked(left - 1, top))
        --left;
    while (marked(right + 1, top))
        ++right;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Of the pixels where either drawing has ink, the share where both have it: 1 for the same
// shapes in the same places, near 0 for a picture cut to pieces or somewhere else.
inline double inkAgreement(const QImage& one, QRgb groundOne, const QImage& two, QRgb groundTwo)
{
    int both = 0, either = 0;
    for (int y = 0; y < std::min(one.height(), two.height()); ++y)
        for (int x = 0; x < std::min(one.width(), two.width()); ++x) {
            const bool a = isInk(one.pixel(x, y), groundOne), b = isInk(two.pixel(x, y), groundTwo);
            both += a && b;
            either += a || b;
        }
    return either ? double(both) / either : 0;
}

// The best agreement of `row` with the part of `shot` at `where`, moved by up to `slack` pixels
// either way: a pointer placed on the screen's pixels may land half a window pixel off.
inline double inkAgreementNear(const QImage& row, QRgb rowGround, const QImage& shot, QRgb shotGround, QRect where,
                               int slack = 2)
{
    double best = 0;
    for (int dy = -slack; dy <= slack; ++dy)
        for (int dx = -slack; dx <= slack; ++dx)
            best = std::max(best, inkAgreement(row, rowGround, shot.copy(where.translated(dx, dy)), shotGround));
    return best;
}

} // namespace rowpicture
