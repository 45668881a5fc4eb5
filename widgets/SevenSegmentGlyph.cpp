#include "widgets/SevenSegmentGlyph.h"

namespace widgets {

SevenSegmentGlyph::SevenSegmentGlyph()
{
    width = 49;
    segmentCount = 7;
}

void SevenSegmentGlyph::SetSegments(std::uint16_t newMask, std::uint32_t style)
{
    if (style & CurvedOutlines)
        buildOutlines(glyph_tables::sevenSegmentCurved());
    else
        buildOutlines(glyph_tables::sevenSegmentStraight());
    SegmentGlyph::SetSegments(newMask, style);
}

} // namespace widgets
