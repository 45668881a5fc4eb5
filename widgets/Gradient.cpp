#include "widgets/Gradient.h"

#include <QPainter>

namespace widgets {

void fillGradient(QPainter& painter, const QRect& rect, int bands, ColorRef from, ColorRef to)
{
    if (bands <= 0 || rect.isEmpty())
        return;
    const int steps = bands > 1 ? bands - 1 : 1;
    const int redStep = (redOf(to) - redOf(from)) / steps;
    const int greenStep = (greenOf(to) - greenOf(from)) / steps;
    const int blueStep = (blueOf(to) - blueOf(from)) / steps;
    const int bandWidth = rect.width() / bands;
    const int right = rect.left() + rect.width();

    int x = rect.left();
    for (int i = 0; i < bands; ++i) {
        const int next = i == bands - 1 ? right : x + bandWidth;
        const QColor colour(redOf(from) + i * redStep, greenOf(from) + i * greenStep,
                            blueOf(from) + i * blueStep);
        // Each band reaches one column into the next, which that band then paints over.
        painter.fillRect(QRect(x, rect.top(), next + 1 - x, rect.height()), colour);
        x = next;
    }
}

} // namespace widgets
