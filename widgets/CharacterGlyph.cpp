#include "widgets/CharacterGlyph.h"

#include "widgets/DotGlyph.h"
#include "widgets/FourteenSegmentGlyph.h"
#include "widgets/SevenSegmentGlyph.h"

namespace widgets {

namespace {

constexpr int SpaceEntry = 0;
constexpr int MinusEntry = 11;
constexpr int AsteriskEntry = 38;
constexpr int PlusEntry = 39;

// Digits, space and minus: the same entry in either kind's mask table.
SegmentGlyph digitCell(int entry, std::uint32_t style)
{
    if (style & FourteenSegmentDigits) {
        FourteenSegmentGlyph glyph;
        glyph.SetSegments(glyph_tables::fourteenSegmentMasks[entry], style);
        return glyph;
    }
    SevenSegmentGlyph glyph;
    glyph.SetSegments(glyph_tables::sevenSegmentMasks[entry], style);
    return glyph;
}

SegmentGlyph letterCell(int entry, std::uint32_t style)
{
    FourteenSegmentGlyph glyph;
    glyph.SetSegments(glyph_tables::fourteenSegmentMasks[entry], style);
    return glyph;
}

SegmentGlyph dotCell(std::uint16_t mask, std::uint32_t style)
{
    DotGlyph glyph;
    glyph.SetSegments(mask, style);
    return glyph;
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
        return letterCell(c - 53, style);
    if (c == '*')
        return letterCell(AsteriskEntry, style);
    if (c == '+')
        return letterCell(PlusEntry, style);
    if (c == '.')
        return dotCell(glyph_tables::decimalPointMask, style);
    if (c == ':')
        return dotCell(glyph_tables::colonMask, style);
    return std::nullopt;
}

} // namespace widgets
