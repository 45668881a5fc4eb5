#pragma once
// The segment outlines and the character masks of the three glyph kinds, in cell units.

#include "widgets/SegmentOutline.h"

#include <array>
#include <cstdint>

namespace widgets {

// How segment k of a glyph is made: a base outline and its mirror transform.
struct SegmentRecipe {
    const SegmentOutline* outline;
    Mirror mirror;
};

namespace glyph_tables {

extern const std::array<SegmentRecipe, 7> kSevenSegmentStraight;
extern const std::array<SegmentRecipe, 7> kSevenSegmentCurved;
extern const std::array<SegmentRecipe, 14> kFourteenSegmentStraight;
extern const std::array<SegmentRecipe, 14> kFourteenSegmentCurved;
extern const std::array<SegmentRecipe, 3> kDots;

// Entry 0 space, 1 to 10 the digits, 11 minus.
extern const std::array<std::uint16_t, 12> kSevenSegmentMasks;
// As above, then 12 to 37 the letters A to Z, 38 "*", 39 "+".
extern const std::array<std::uint16_t, 40> kFourteenSegmentMasks;

constexpr std::uint16_t kColonMask = 3;        // the two upper dots
constexpr std::uint16_t kDecimalPointMask = 4; // the lowest dot

} // namespace glyph_tables
} // namespace widgets
