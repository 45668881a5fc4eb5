#pragma once
// A fourteen-segment cell for letters, signs and, on request, digits.

#include "widgets/SegmentGlyph.h"

namespace widgets {

class FourteenSegmentGlyph : public SegmentGlyph {
public:
    FourteenSegmentGlyph();
    void SetSegments(std::uint16_t mask, std::uint32_t style) override;
};

} // namespace widgets
