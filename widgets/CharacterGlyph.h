#pragma once
// Which glyph, if any, shows a character of a display's text.

#include "widgets/SegmentGlyph.h"

#include <cstdint>
#include <optional>

namespace widgets {

// The built glyph for one byte of upper-cased text, or nothing for a byte the display
// skips (it then takes no room). Bytes from 0x80 up never match.
std::optional<SegmentGlyph> glyphForCharacter(char character, std::uint32_t style);

} // namespace widgets
