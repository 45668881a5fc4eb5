#include "widgets/GlyphTables.h"

namespace widgets::glyph_tables {

namespace {

constexpr PointKind M = PointKind::Move;
constexpr PointKind L = PointKind::Line;
constexpr PointKind T = PointKind::Curve;

// The base outlines. Mirrored copies make the other segments.
const SegmentOutline kSevenStraightTop{{5, 4, M}, {12, 11, L}, {36, 11, L}, {43, 4, L}};
const SegmentOutline kSevenStraightSide{{4, 6, M}, {4, 40, L}, {11, 36, L}, {11, 13, L}};
const SegmentOutline kSevenStraightMiddle{{6, 41, M}, {14, 45, L}, {34, 45, L}, {42, 41, L}, {34, 37, L}, {14, 37, L}};
const SegmentOutline kSevenCurvedTop{{6, 4, M}, {5, 5, T}, {5, 6, T}, {8, 9, T}, {12, 11, L}, {36, 11, L}, {39, 4, L}};
const SegmentOutline kSevenCurvedLeft{{4, 9, M}, {4, 39, L}, {6, 40, T}, {7, 40, T}, {9, 38, T}, {11, 36, L}, {11, 12, L}};
const SegmentOutline kSevenCurvedRight{{37, 36, M}, {39, 38, T}, {41, 40, T}, {42, 40, L}, {44, 39, L}, {44, 6, L}, {42, 4, T}, {41, 4, T}, {39, 8, T}, {37, 12, L}};
const SegmentOutline kSevenCurvedMiddle{{8, 41, M}, {12, 45, L}, {36, 45, L}, {40, 41, L}, {36, 37, L}, {12, 37, L}};
const SegmentOutline kFourteenStraightCentre{{20, 13, M}, {20, 36, L}, {24, 40, L}, {28, 36, L}, {28, 13, L}};
const SegmentOutline kFourteenStraightDiagonal{{5, 5, M}, {15, 35, L}, {20, 37, L}, {18, 25, L}};
const SegmentOutline kFourteenStraightHalfBar{{6, 41, M}, {14, 45, L}, {18, 45, L}, {22, 41, L}, {18, 37, L}, {14, 37, L}};
const SegmentOutline kFourteenStraightSide{{4, 7, M}, {4, 40, L}, {11, 36, L}, {11, 26, L}};
const SegmentOutline kFourteenStraightBar{{6, 4, M}, {11, 11, L}, {37, 11, L}, {42, 4, L}};
const SegmentOutline kFourteenCurvedCentre{{20, 12, M}, {20, 25, L}, {22, 36, T}, {23, 39, T}, {24, 40, T}, {25, 39, T}, {26, 36, T}, {28, 25, L}, {28, 12, L}, {26, 10, T}, {24, 9, T}, {22, 10, T}, {20, 12, L}};
const SegmentOutline kFourteenCurvedDiagonal{{10, 10, M}, {10, 13, T}, {11, 20, T}, {13, 28, T}, {21, 38, L}, {21, 37, L}, {19, 26, T}, {15, 16, T}, {11, 10, T}, {10, 10, L}};
const SegmentOutline kFourteenCurvedHalfBar{{8, 41, M}, {12, 45, L}, {16, 45, L}, {23, 41, L}, {16, 37, L}, {12, 37, L}};
const SegmentOutline kFourteenCurvedSide{{4, 7, M}, {4, 39, L}, {5, 40, T}, {6, 40, T}, {9, 37, T}, {11, 33, T}, {11, 25, L}, {9, 14, T}, {5, 6, T}, {4, 7, L}};
const SegmentOutline kFourteenCurvedBar{{8, 4, M}, {7, 5, T}, {7, 6, T}, {9, 8, T}, {12, 9, T}, {14, 11, L}, {19, 11, L}, {21, 9, T}, {24, 7, T}, {27, 9, T}, {29, 11, L}, {34, 11, L}, {36, 9, T}, {39, 8, T}, {41, 6, T}, {41, 5, T}, {40, 4, L}};
const SegmentOutline kDot0{{4, 23, M}, {4, 32, L}, {13, 32, L}, {13, 23, L}};
const SegmentOutline kDot1{{4, 50, M}, {4, 59, L}, {13, 59, L}, {13, 50, L}};
const SegmentOutline kDot2{{4, 68, M}, {4, 77, L}, {13, 77, L}, {13, 68, L}};

std::array<SegmentRecipe, 14> fourteenSegments(const SegmentOutline& centre,
                                               const SegmentOutline& diagonal,
                                               const SegmentOutline& halfBar,
                                               const SegmentOutline& side,
                                               const SegmentOutline& bar)
{
    return {{
        {&centre, Mirror::None},   // 0 upper centre
        {&diagonal, Mirror::None}, // 1 upper-left diagonal
        {&diagonal, Mirror::X},    // 2 upper-right diagonal
        {&diagonal, Mirror::Y},    // 3 lower-left diagonal
        {&diagonal, Mirror::XY},   // 4 lower-right diagonal
        {&centre, Mirror::Y},      // 5 lower centre
        {&halfBar, Mirror::None},  // 6 middle left
        {&halfBar, Mirror::X},     // 7 middle right
        {&side, Mirror::None},     // 8 upper left
        {&side, Mirror::Y},        // 9 lower left
        {&bar, Mirror::Y},         // 10 bottom
        {&side, Mirror::XY},       // 11 lower right
        {&side, Mirror::X},        // 12 upper right
        {&bar, Mirror::None},      // 13 top
    }};
}

} // namespace

const std::array<SegmentRecipe, 7> kSevenSegmentStraight{{
    {&kSevenStraightTop, Mirror::None},    // 0 top
    {&kSevenStraightSide, Mirror::None},   // 1 upper left
    {&kSevenStraightSide, Mirror::X},      // 2 upper right
    {&kSevenStraightMiddle, Mirror::None}, // 3 middle
    {&kSevenStraightSide, Mirror::Y},      // 4 lower left
    {&kSevenStraightSide, Mirror::XY},     // 5 lower right
    {&kSevenStraightTop, Mirror::Y},       // 6 bottom
}};

// The right-hand segments have outlines of their own: the curved glyph leans.
const std::array<SegmentRecipe, 7> kSevenSegmentCurved{{
    {&kSevenCurvedTop, Mirror::None},    // 0 top
    {&kSevenCurvedLeft, Mirror::None},   // 1 upper left
    {&kSevenCurvedRight, Mirror::None},  // 2 upper right
    {&kSevenCurvedMiddle, Mirror::None}, // 3 middle
    {&kSevenCurvedLeft, Mirror::Y},      // 4 lower left
    {&kSevenCurvedRight, Mirror::Y},     // 5 lower right
    {&kSevenCurvedTop, Mirror::Y},       // 6 bottom
}};

const std::array<SegmentRecipe, 14> kFourteenSegmentStraight =
    fourteenSegments(kFourteenStraightCentre, kFourteenStraightDiagonal, kFourteenStraightHalfBar,
                     kFourteenStraightSide, kFourteenStraightBar);

const std::array<SegmentRecipe, 14> kFourteenSegmentCurved =
    fourteenSegments(kFourteenCurvedCentre, kFourteenCurvedDiagonal, kFourteenCurvedHalfBar,
                     kFourteenCurvedSide, kFourteenCurvedBar);

const std::array<SegmentRecipe, 3> kDots{{
    {&kDot0, Mirror::None},
    {&kDot1, Mirror::None},
    {&kDot2, Mirror::None},
}};

const std::array<std::uint16_t, 12> kSevenSegmentMasks{{
    0,   // space
    119, // 0
    36,  // 1
    93,  // 2
    109, // 3
    46,  // 4
    107, // 5
    123, // 6
    37,  // 7
    127, // 8
    111, // 9
    8,   // -
}};

const std::array<std::uint16_t, 40> kFourteenSegmentMasks{{
    0,     // space
    16128, // 0
    6144,  // 1
    14016, // 2
    15552, // 3
    6592,  // 4
    11712, // 5
    12224, // 6
    14336, // 7
    16320, // 8
    15808, // 9
    192,   // -
    15296, // A
    15521, // B
    9984,  // C
    15393, // D
    10176, // E
    9152,  // F
    12160, // G
    7104,  // H
    9249,  // I
    7680,  // J
    852,   // K
    1792,  // L
    6918,  // M
    6930,  // N
    16128, // O
    13248, // P
    16144, // Q
    13264, // R
    11712, // S
    8225,  // T
    7936,  // U
    780,   // V
    6936,  // W
    30,    // X
    4576,  // Y
    9228,  // Z
    255,   // *
    225,   // +
}};

} // namespace widgets::glyph_tables
