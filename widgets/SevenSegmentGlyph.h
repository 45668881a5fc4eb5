#pragma once
// A seven-segment digit cell, straight or curved by the style's CurvedOutlines bit.

#include "widgets/SegmentGlyph.h"

namespace widgets {

class SevenSegmentGlyph : public SegmentGlyph {
public:
    SevenSegmentGlyph();
    void SetSegments(std::uint16_t mask, std::uint32_t style) override;
};

} // namespace widgets
