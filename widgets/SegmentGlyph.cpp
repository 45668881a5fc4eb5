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

namespace {

template <typename Glyph>
SegmentGlyph built(std::uint16_t mask, std::uint32_t style)
{
    Glyph glyph;
    glyph.SetSegments(mask, style);
    return glyph;
}

} // namespace

std::optional<SegmentGlyph> glyphForCharacter(char character, std::uint32_t style)
{
    using namespace glyph_tables;
    const signed char c = static_cast<signed char>(character);
    // Space, the digits and minus share their entries in both kinds' tables: 0, 1 to 10, 11.
    const int shared = c == ' ' ? 0 : c >= '0' && c <= '9' ? c - '0' + 1 : c == '-' ? 11 : -1;
    if (shared >= 0 && !(style & FourteenSegmentDigits))
        return built<SevenSegmentGlyph>(kSevenSegmentMasks[shared], style);
    const int entry = shared >= 0 ? shared : c >= 'A' && c <= 'Z' ? c - 53 : c == '*' ? 38 : c == '+' ? 39 : -1;
    if (entry >= 0)
        return built<FourteenSegmentGlyph>(kFourteenSegmentMasks[entry], style);
    if (c == '.')
        return built<DotGlyph>(kDecimalPointMask, style);
    if (c == ':')
        return built<DotGlyph>(kColonMask, style);
    return std::nullopt;
}

} // namespace widgets
