#include "widgets/DotGlyph.h"

namespace widgets {

DotGlyph::DotGlyph()
{
    width = 18;
    segmentCount = 3;
}

void DotGlyph::SetSegments(std::uint16_t newMask, std::uint32_t style)
{
    buildOutlines(glyph_tables::dots());
    SegmentGlyph::SetSegments(newMask, style);
}

} // namespace widgets
