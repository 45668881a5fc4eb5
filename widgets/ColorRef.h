#pragma once
// Colours as the game's tables give them: 0x00BBGGRR words.

#include <QColor>
#include <cstdint>

namespace widgets {

using ColorRef = std::uint32_t;

constexpr ColorRef rgb(int red, int green, int blue)
{
    return ColorRef(red & 0xFF) | (ColorRef(green & 0xFF) << 8) | (ColorRef(blue & 0xFF) << 16);
}
constexpr int redOf(ColorRef colour) { return int(colour & 0xFF); }
constexpr int greenOf(ColorRef colour) { return int((colour >> 8) & 0xFF); }
constexpr int blueOf(ColorRef colour) { return int((colour >> 16) & 0xFF); }

inline QColor toQColor(ColorRef colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

// A segment's outline is a quarter of the way from the segment colour towards the background,
// channel by channel, truncated.
constexpr ColorRef mixedPenColour(ColorRef background, ColorRef segment)
{
    return rgb(int(0.25 * redOf(background) + 0.75 * redOf(segment)),
               int(0.25 * greenOf(background) + 0.75 * greenOf(segment)),
               int(0.25 * blueOf(background) + 0.75 * blueOf(segment)));
}

} // namespace widgets
