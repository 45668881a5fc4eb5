#include "widgets/GlyphLayout.h"

#include "widgets/SegmentOutline.h"

namespace widgets {

std::vector<CellRect> layoutGlyphs(const std::vector<SegmentGlyph>& glyphs, int width, int height,
                                   std::uint32_t style, int originX, int originY)
{
    std::vector<CellRect> cells;
    int total = 0;
    for (const SegmentGlyph& glyph : glyphs)
        total += glyph.Width();
    if (total <= 0)
        return cells;

    const double w = width;
    const double h = height;
    double sx = w / total;
    double sy = h * CellHeightReciprocal;
    double offsetX = 0.0;
    double offsetY = 0.0;
    if (style & KeepAspect) {
        const double s = sx >= sy ? sy : sx;
        sx = sy = s;
        offsetX = (w - total * s) * 0.5;
        offsetY = (h - CellHeight * s) * 0.5;
    }

    cells.reserve(glyphs.size());
    double x = originX + offsetX;
    const double top = originY + offsetY;
    for (const SegmentGlyph& glyph : glyphs) {
        const double cellWidth = glyph.Width() * sx;
        cells.push_back({x, top, x + cellWidth, top + CellHeight * sy});
        x += cellWidth;
    }
    return cells;
}

} // namespace widgets
