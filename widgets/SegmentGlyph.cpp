#include "widgets/SegmentGlyph.h"

namespace widgets {

void SegmentGlyph::SetSegments(std::uint16_t newMask, std::uint32_t)
{
    mask = newMask;
}

void SegmentGlyph::Draw(PathSink& sink, double left, double top, double right, double bottom) const
{
    for (std::size_t k = 0; k < outlines.size(); ++k) {
        // Outlines beyond 16 could never be lit by a 16-bit mask.
        const bool lit = k < 16 && (mask & (1u << k)) != 0;
        outlines[k].DrawOutline(sink, left, top, right, bottom, width);
        sink.closeAndFill(lit);
    }
}

} // namespace widgets
