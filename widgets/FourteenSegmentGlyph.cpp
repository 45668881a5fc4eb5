#include "widgets/FourteenSegmentGlyph.h"

namespace widgets {

FourteenSegmentGlyph::FourteenSegmentGlyph()
{
    width = 49;
    segmentCount = 14;
}

void FourteenSegmentGlyph::SetSegments(std::uint16_t newMask, std::uint32_t style)
{
    if (style & CurvedOutlines)
        buildOutlines(glyph_tables::fourteenSegmentCurved());
    else
        buildOutlines(glyph_tables::fourteenSegmentStraight());
    SegmentGlyph::SetSegments(newMask, style);
}

} // namespace widgets
