#pragma once
// Dialog units to pixels, from the metrics of the dialog's font: one horizontal unit is a
// quarter of the average character width, one vertical unit an eighth of the character height.

#include "platform/DialogTemplate.h"

#include <QFont>
#include <QRect>

namespace platform {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    int baseX() const { return baseX_; }
    int baseY() const { return baseY_; }
    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QRect toPixels(int x, int y, int width, int height) const;
    // A width that a layout gives in pixels of a dialog font whose horizontal unit is 1.5
    // pixels, made as much wider as this font's unit is: a list's columns keep their share of
    // a dialog laid out in this font's units.
    int scalePixelsX(int pixels) const;

private:
    int baseX_;
    int baseY_;
};

// The font that stands in for a template's font: a CJK-capable sans, so every Chinese text
// fits the rectangle its template gives it.
QFont dialogFont(int pointSize);

} // namespace platform
