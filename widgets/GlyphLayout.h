#pragma once
// Where each glyph of a display goes: one row packed edge to edge, in doubles, unrounded.

#include "widgets/SegmentGlyph.h"

#include <cstdint>
#include <vector>

namespace widgets {

struct CellRect {
    double left;
    double top;
    double right;
    double bottom;
};

// The glyphs' cells in a client area of width x height pixels starting at (originX, originY).
// With KeepAspect one scale serves both axes and the row is centred; without, the row fills
// the area. No glyphs, no cells.
std::vector<CellRect> layoutGlyphs(const std::vector<SegmentGlyph>& glyphs, int width, int height,
                                   std::uint32_t style, int originX = 0, int originY = 0);

} // namespace widgets
