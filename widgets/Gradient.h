#pragma once
// The ticker's background: n vertical bands stepping from one colour to another.

#include "widgets/ColorRef.h"

#include <QRect>

class QPainter;

namespace widgets {

// Channel steps are (to - from) / (n - 1), truncated toward zero; bands are
// rect.width() / n pixels wide and the last band runs to the right edge.
void fillGradient(QPainter& painter, const QRect& rect, int bands, ColorRef from, ColorRef to);

} // namespace widgets
