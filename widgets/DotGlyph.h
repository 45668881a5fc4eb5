#pragma once
// A narrow cell of three square dots for ":" and "."; the same in every style.

#include "widgets/SegmentGlyph.h"

namespace widgets {

class DotGlyph : public SegmentGlyph {
public:
    DotGlyph();
    void SetSegments(std::uint16_t mask, std::uint32_t style) override;
};

} // namespace widgets
