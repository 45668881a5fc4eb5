#pragma once
// Sunken, raised and bump borders drawn from the palette, with the edge and flag words
// of the classic three-dimensional look.

#include <QPalette>
#include <QRect>
#include <cstdint>

class QPainter;

namespace widgets {

namespace edge {
// Edge kinds: an outer and an inner ring, each raised or sunken.
constexpr std::uint32_t RaisedOuter = 0x1;
constexpr std::uint32_t SunkenOuter = 0x2;
constexpr std::uint32_t RaisedInner = 0x4;
constexpr std::uint32_t SunkenInner = 0x8;
constexpr std::uint32_t Raised = RaisedOuter | RaisedInner; // 5
constexpr std::uint32_t Sunken = SunkenOuter | SunkenInner; // 10
constexpr std::uint32_t Etched = SunkenOuter | RaisedInner; // 6
constexpr std::uint32_t Bump = RaisedOuter | SunkenInner;   // 9

// Sides to draw, and how.
constexpr std::uint32_t Left = 0x1;
constexpr std::uint32_t Top = 0x2;
constexpr std::uint32_t Right = 0x4;
constexpr std::uint32_t Bottom = 0x8;
constexpr std::uint32_t AllSides = Left | Top | Right | Bottom; // 15
constexpr std::uint32_t Flat = 0x4000; // one plain shadow ring instead of the 3-D rings
} // namespace edge

// Draws the border inside `rect`. Without side bits nothing is drawn.
void drawEdge(QPainter& painter, const QRect& rect, std::uint32_t edgeType, std::uint32_t flags,
              const QPalette& palette);

} // namespace widgets
