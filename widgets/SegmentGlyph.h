#pragma once
// One character cell: its width in cell units, which segments are lit and their outlines.
// The three kinds only build the outlines; the display keeps plain SegmentGlyph values.

#include "widgets/GlyphTables.h"
#include "widgets/SegmentOutline.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace widgets {

// The display's style bits that the glyphs read.
enum SegmentStyle : std::uint32_t {
    CurvedOutlines = 1,
    FourteenSegmentDigits = 2,
    KeepAspect = 4,
};

// One segment in device pixels, open as its outline leaves it, and whether it is lit.
struct SegmentPath {
    QPainterPath path;
    bool lit;
};

class SegmentGlyph {
public:
    virtual ~SegmentGlyph() = default;

    // The base only stores the mask; each kind builds its outlines first.
    virtual void SetSegments(std::uint16_t mask, std::uint32_t style);

    int Width() const { return width; }
    std::uint16_t Mask() const { return mask; }
    int SegmentCount() const { return segmentCount; }
    const std::vector<SegmentOutline>& Outlines() const { return outlines; }

    // Appends every segment, lit or not, in index order.
    void Draw(std::vector<SegmentPath>& segments, double left, double top, double right,
              double bottom) const;

protected:
    SegmentGlyph(std::int32_t cellWidth, std::int32_t segments) : width(cellWidth), segmentCount(segments) {}

    template <std::size_t N>
    void buildOutlines(const std::array<SegmentRecipe, N>& recipes)
    {
        outlines.clear();
        for (int k = 0; k < segmentCount && std::size_t(k) < N; ++k)
            outlines.push_back(recipes[k].outline->transformed(recipes[k].mirror, width));
    }

    std::int32_t width = 49;
    std::uint16_t mask = 0;
    std::vector<SegmentOutline> outlines;
    std::int32_t segmentCount = 0;
};

// A seven-segment digit cell, straight or curved by the style's CurvedOutlines bit.
class SevenSegmentGlyph : public SegmentGlyph {
public:
    SevenSegmentGlyph() : SegmentGlyph(49, 7) {}
    void SetSegments(std::uint16_t newMask, std::uint32_t style) override
    {
        using namespace glyph_tables;
        buildOutlines(style & CurvedOutlines ? kSevenSegmentCurved : kSevenSegmentStraight);
        SegmentGlyph::SetSegments(newMask, style);
    }
};

// A fourteen-segment cell for letters, signs and, on request, digits.
class FourteenSegmentGlyph : public SegmentGlyph {
public:
    FourteenSegmentGlyph() : SegmentGlyph(49, 14) {}
    void SetSegments(std::uint16_t newMask, std::uint32_t style) override
    {
        using namespace glyph_tables;
        buildOutlines(style & CurvedOutlines ? kFourteenSegmentCurved : kFourteenSegmentStraight);
        SegmentGlyph::SetSegments(newMask, style);
    }
};

// A narrow cell of three square dots for ":" and "."; the same in every style.
class DotGlyph : public SegmentGlyph {
public:
    DotGlyph() : SegmentGlyph(18, 3) {}
    void SetSegments(std::uint16_t newMask, std::uint32_t style) override
    {
        buildOutlines(glyph_tables::kDots);
        SegmentGlyph::SetSegments(newMask, style);
    }
};

// The built glyph for one byte of upper-cased text, or nothing for a byte the display
// skips (it then takes no room). Bytes from 0x80 up never match.
std::optional<SegmentGlyph> glyphForCharacter(char character, std::uint32_t style);

} // namespace widgets
