#include "widgets/SegmentGlyph.h"

namespace widgets {

void SegmentGlyph::SetSegments(std::uint16_t newMask, std::uint32_t)
{
    mask = newMask;
}

void SegmentGlyph::Draw(std::vector<SegmentPath>& segments, double left, double top,
                        double right, double bottom) const
{
    for (std::size_t k = 0; k < outlines.size(); ++k) {
        // Outlines beyond 16 could never be lit by a 16-bit mask.
        SegmentPath segment{QPainterPath(), k < 16 && (mask & (1u << k)) != 0};
        outlines[k].DrawOutline(segment.path, left, top, right, bottom, width);
        segments.push_back(std::move(segment));
    }
}

void SevenSegmentGlyph::SetSegments(std::uint16_t newMask, std::uint32_t style)
{
    buildOutlines(style & CurvedOutlines ? glyph_tables::sevenSegmentCurved : glyph_tables::sevenSegmentStraight);
    SegmentGlyph::SetSegments(newMask, style);
}

void FourteenSegmentGlyph::SetSegments(std::uint16_t newMask, std::uint32_t style)
{
    buildOutlines(style & CurvedOutlines ? glyph_tables::fourteenSegmentCurved : glyph_tables::fourteenSegmentStraight);
    SegmentGlyph::SetSegments(newMask, style);
}

void DotGlyph::SetSegments(std::uint16_t newMask, std::uint32_t style)
{
    buildOutlines(glyph_tables::dots);
    SegmentGlyph::SetSegments(newMask, style);
}

namespace {

constexpr int SpaceEntry = 0;
constexpr int MinusEntry = 11;
constexpr int AsteriskEntry = 38;
constexpr int PlusEntry = 39;

template <typename Glyph>
SegmentGlyph built(std::uint16_t mask, std::uint32_t style)
{
    Glyph glyph;
    glyph.SetSegments(mask, style);
    return glyph;
}

// Digits, space and minus: the same entry in either kind's mask table.
SegmentGlyph digitCell(int entry, std::uint32_t style)
{
    if (style & FourteenSegmentDigits)
        return built<FourteenSegmentGlyph>(glyph_tables::fourteenSegmentMasks[entry], style);
    return built<SevenSegmentGlyph>(glyph_tables::sevenSegmentMasks[entry], style);
}

} // namespace

std::optional<SegmentGlyph> glyphForCharacter(char character, std::uint32_t style)
{
    const signed char c = static_cast<signed char>(character);
    if (c >= '0' && c <= '9')
        return digitCell(c - '0' + 1, style);
    if (c == ' ')
        return digitCell(SpaceEntry, style);
    if (c == '-')
        return digitCell(MinusEntry, style);
    if (c >= 'A' && c <= 'Z')
        return built<FourteenSegmentGlyph>(glyph_tables::fourteenSegmentMasks[c - 53], style);
    if (c == '*')
        return built<FourteenSegmentGlyph>(glyph_tables::fourteenSegmentMasks[AsteriskEntry], style);
    if (c == '+')
        return built<FourteenSegmentGlyph>(glyph_tables::fourteenSegmentMasks[PlusEntry], style);
    if (c == '.')
        return built<DotGlyph>(glyph_tables::decimalPointMask, style);
    if (c == ':')
        return built<DotGlyph>(glyph_tables::colonMask, style);
    return std::nullopt;
}

} // namespace widgets
