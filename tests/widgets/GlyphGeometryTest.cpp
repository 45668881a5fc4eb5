// What the glyphs emit, recorded exactly: the curve fit, the polygons, the masks, the mirrors.

#include "RecordingSink.h"

#include "widgets/BezierFit.h"
#include "widgets/SegmentGlyph.h"

#include <gtest/gtest.h>

#include <set>

using namespace widgets;
using widgets_test::PathCommand;
using widgets_test::DevicePoint;
using widgets_test::RecordingSink;

namespace {

RecordingSink drawn(const SegmentGlyph& glyph, double left, double top, double right, double bottom)
{
    std::vector<SegmentPath> segments;
    glyph.Draw(segments, left, top, right, bottom);
    return widgets_test::recorded(segments);
}

template <typename Glyph>
Glyph built(std::uint16_t mask, std::uint32_t style)
{
    Glyph glyph;
    glyph.SetSegments(mask, style);
    return glyph;
}

} // namespace

TEST(BezierFit, TopCurveOfTheSevenSegmentCellAtOnePixelPerUnit)
{
    const std::vector<PointF> fitSet{{6, 4}, {5, 5}, {5, 6}, {8, 9}, {12, 11}};
    const BezierControls c = FitBezierControls(fitSet);
    EXPECT_NEAR(c.c1.x, 4.037, 0.0005);
    EXPECT_NEAR(c.c1.y, 5.093, 0.0005);
    EXPECT_NEAR(c.c2.x, 4.000, 0.0005);
    EXPECT_NEAR(c.c2.y, 7.547, 0.0005);
}

TEST(BezierFit, TopCurveAtTwoPixelsPerUnit)
{
    const BezierControls c = FitBezierControls({{12, 8}, {10, 10}, {10, 12}, {16, 18}, {24, 22}});
    EXPECT_NEAR(c.c1.x, 8.074, 0.0005);
    EXPECT_NEAR(c.c1.y, 10.185, 0.0005);
    EXPECT_NEAR(c.c2.x, 8.000, 0.0005);
    EXPECT_NEAR(c.c2.y, 15.093, 0.0005);
}

TEST(SevenSegmentGlyph, CurvedTopRunEmitsTheFittedBezierAtOneAndTwoPixelsPerUnit)
{
    const auto glyph = built<SevenSegmentGlyph>(1, CurvedOutlines);
    const auto one = drawn(glyph, 0, 0, 49, 83);
    ASSERT_EQ(one.outlines.size(), 7u);
    const std::vector<PathCommand> expectedOne{
        {PathCommand::Move, {{6, 4}}},
        {PathCommand::Cubic, {{4, 5}, {4, 8}, {12, 11}}},
        {PathCommand::Line, {{36, 11}}},
        {PathCommand::Line, {{39, 4}}},
    };
    EXPECT_EQ(one.outlines[0].commands, expectedOne);
    EXPECT_TRUE(one.outlines[0].lit);

    const auto two = drawn(glyph, 0, 0, 98, 166);
    ASSERT_GE(two.outlines[0].commands.size(), 2u);
    EXPECT_EQ(two.outlines[0].commands[0], (PathCommand{PathCommand::Move, {{12, 8}}}));
    EXPECT_EQ(two.outlines[0].commands[1],
              (PathCommand{PathCommand::Cubic, {{8, 10}, {8, 15}, {24, 22}}}));
}

TEST(SevenSegmentGlyph, VertexAfterACurveRunIsNotDrawnAgain)
{
    // The curved right segment has two runs; each end vertex comes only from its curve.
    const auto glyph = built<SevenSegmentGlyph>(0, CurvedOutlines);
    const auto sink = drawn(glyph, 0, 0, 49, 83);
    const auto& right = sink.outlines[2].commands;
    ASSERT_EQ(right.size(), 5u); // move, cubic, line, line, cubic
    EXPECT_EQ(right[0].kind, PathCommand::Move);
    EXPECT_EQ(right[1].kind, PathCommand::Cubic);
    EXPECT_EQ(right[1].points[2], (DevicePoint{42, 40}));
    EXPECT_EQ(right[2], (PathCommand{PathCommand::Line, {{44, 39}}}));
    EXPECT_EQ(right[3], (PathCommand{PathCommand::Line, {{44, 6}}}));
    EXPECT_EQ(right[4].kind, PathCommand::Cubic);
    EXPECT_EQ(right[4].points[2], (DevicePoint{37, 12}));
    // Every curved outline of both kinds: no command repeats the point the one before ended at.
    for (const SegmentGlyph& g : {SegmentGlyph(glyph), SegmentGlyph(built<FourteenSegmentGlyph>(0, CurvedOutlines))}) {
        for (const auto& outline : drawn(g, 0, 0, 49, 83).outlines) {
            const auto v = outline.vertices();
            for (std::size_t i = 1; i < v.size(); ++i)
                EXPECT_NE(v[i], v[i - 1]);
        }
    }
}

TEST(SevenSegmentGlyph, StraightOutlinesArePolygonsOfTheListedVertices)
{
    const auto glyph = built<SevenSegmentGlyph>(0, 0);
    const auto sink = drawn(glyph, 0, 0, 49, 83);
    ASSERT_EQ(sink.outlines.size(), 7u);
    using V = std::vector<DevicePoint>;
    EXPECT_EQ(sink.outlines[0].vertices(), (V{{5, 4}, {12, 11}, {36, 11}, {43, 4}}));
    EXPECT_EQ(sink.outlines[1].vertices(), (V{{4, 6}, {4, 40}, {11, 36}, {11, 13}}));
    EXPECT_EQ(sink.outlines[2].vertices(), (V{{44, 6}, {44, 40}, {37, 36}, {37, 13}}));
    EXPECT_EQ(sink.outlines[3].vertices(),
              (V{{6, 41}, {14, 45}, {34, 45}, {42, 41}, {34, 37}, {14, 37}}));
    EXPECT_EQ(sink.outlines[4].vertices(), (V{{4, 76}, {4, 42}, {11, 46}, {11, 69}}));
    EXPECT_EQ(sink.outlines[5].vertices(), (V{{44, 76}, {44, 42}, {37, 46}, {37, 69}}));
    EXPECT_EQ(sink.outlines[6].vertices(), (V{{5, 78}, {12, 71}, {36, 71}, {43, 78}}));
    for (const auto& outline : sink.outlines) {
        EXPECT_FALSE(outline.hasCurve());
        EXPECT_EQ(outline.commands.front().kind, PathCommand::Move);
    }
}

TEST(FourteenSegmentGlyph, StraightDiagonalsAreQuadrilateralsAndOutlinesArePolygons)
{
    const auto glyph = built<FourteenSegmentGlyph>(0, 0);
    const auto sink = drawn(glyph, 0, 0, 49, 83);
    ASSERT_EQ(sink.outlines.size(), 14u);
    using V = std::vector<DevicePoint>;
    EXPECT_EQ(sink.outlines[1].vertices(), (V{{5, 5}, {15, 35}, {20, 37}, {18, 25}}));
    EXPECT_EQ(sink.outlines[2].vertices(), (V{{43, 5}, {33, 35}, {28, 37}, {30, 25}}));
    EXPECT_EQ(sink.outlines[3].vertices(), (V{{5, 77}, {15, 47}, {20, 45}, {18, 57}}));
    EXPECT_EQ(sink.outlines[4].vertices(), (V{{43, 77}, {33, 47}, {28, 45}, {30, 57}}));
    for (const auto& outline : sink.outlines) {
        EXPECT_FALSE(outline.hasCurve());
        EXPECT_GE(outline.vertices().size(), 4u);
        EXPECT_LE(outline.vertices().size(), 6u);
    }
}

TEST(SegmentGlyph, MaskBitsLightTheirSegmentsAndBitsAboveTheCountDoNothing)
{
    auto litSegments = [](const SegmentGlyph& glyph) {
        std::set<int> lit;
        const auto sink = drawn(glyph, 0, 0, 49, 83);
        for (std::size_t k = 0; k < sink.outlines.size(); ++k)
            if (sink.outlines[k].lit)
                lit.insert(int(k));
        return lit;
    };
    EXPECT_EQ(litSegments(built<SevenSegmentGlyph>(127, 0)), (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(litSegments(built<FourteenSegmentGlyph>(16320, 0)),
              (std::set<int>{6, 7, 8, 9, 10, 11, 12, 13}));

    const auto plain = drawn(built<SevenSegmentGlyph>(36, 0), 0, 0, 49, 83);
    const auto extra = drawn(built<SevenSegmentGlyph>(36 | 0xFF80, 0), 0, 0, 49, 83);
    ASSERT_EQ(extra.outlines.size(), 7u);
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_EQ(extra.outlines[k].lit, plain.outlines[k].lit) << k;
        EXPECT_EQ(extra.outlines[k].commands, plain.outlines[k].commands) << k;
    }
    EXPECT_EQ(litSegments(built<DotGlyph>(0xFFF8 | 3, 0)), (std::set<int>{0, 1}));
    EXPECT_EQ(litSegments(built<FourteenSegmentGlyph>(0xC000, 0)), std::set<int>{});
}

TEST(SegmentGlyph, StraightSevenIsSymmetricBothWaysCurvedOnlyAboutTheMiddle)
{
    auto pointSet = [](const SegmentGlyph& glyph, bool mirrorX, bool mirrorY) {
        std::set<std::pair<int, int>> points;
        for (const SegmentOutline& outline : glyph.Outlines())
            for (const CellPoint& p : outline.points())
                points.insert({mirrorX ? 48 - p.x : p.x, mirrorY ? 82 - p.y : p.y});
        return points;
    };
    const auto straight = built<SevenSegmentGlyph>(0, 0);
    EXPECT_EQ(pointSet(straight, true, false), pointSet(straight, false, false));
    EXPECT_EQ(pointSet(straight, false, true), pointSet(straight, false, false));
    const auto curved = built<SevenSegmentGlyph>(0, CurvedOutlines);
    EXPECT_EQ(pointSet(curved, false, true), pointSet(curved, false, false));
    EXPECT_NE(pointSet(curved, true, false), pointSet(curved, false, false));
}

TEST(SegmentGlyph, CellSizedRectangleAtAnIntegerCornerPutsVerticesOnTheirCellCoordinates)
{
    for (std::uint32_t style : {0u, std::uint32_t(CurvedOutlines)}) {
        for (const SegmentGlyph& glyph :
             {SegmentGlyph(built<SevenSegmentGlyph>(0, style)),
              SegmentGlyph(built<FourteenSegmentGlyph>(0, style))}) {
            const auto sink = drawn(glyph, 7, 12, 7 + 49, 12 + 83);
            for (std::size_t k = 0; k < sink.outlines.size(); ++k) {
                const SegmentOutline& outline = glyph.Outlines()[k];
                std::vector<DevicePoint> expected;
                for (std::size_t i = 0; i < outline.points().size(); ++i) {
                    // Curve points are passed through, not placed; every other vertex is.
                    if (outline.points()[i].kind != PointKind::Curve)
                        expected.push_back({outline.points()[i].x + 7, outline.points()[i].y + 12});
                }
                EXPECT_EQ(sink.outlines[k].vertices(), expected) << "segment " << k;
            }
        }
    }
}

TEST(DotGlyph, SameThreeSquaresInEitherStyle)
{
    const auto straight = drawn(built<DotGlyph>(4, 0), 0, 0, 18, 83);
    const auto curved = drawn(built<DotGlyph>(4, CurvedOutlines), 0, 0, 18, 83);
    ASSERT_EQ(straight.outlines.size(), 3u);
    using V = std::vector<DevicePoint>;
    EXPECT_EQ(straight.outlines[2].vertices(), (V{{4, 68}, {4, 77}, {13, 77}, {13, 68}}));
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(straight.outlines[k].commands, curved.outlines[k].commands);
        EXPECT_EQ(straight.outlines[k].lit, k == 2);
    }
}

TEST(SegmentOutline, RoundsHalvesUpAndScalesEachAxisByItsOwnFactor)
{
    const SegmentOutline outline{{0, 0, PointKind::Move}, {1, 0, PointKind::Line}, {1, 83, PointKind::Line}};
    QPainterPath path;
    // kx = 73.5 / 49 = 1.5, so x = 10 + 1.5 = 11.5 rounds up to 12; ky = 166 / 83 = 2.
    outline.DrawOutline(path, 10.0, 0.25, 83.5, 166.25, 49);
    using V = std::vector<DevicePoint>;
    EXPECT_EQ(widgets_test::recorded(path).vertices(), (V{{10, 0}, {12, 0}, {12, 166}}));
    EXPECT_EQ(roundToPixel(2.5), 3);
    EXPECT_EQ(roundToPixel(2.49), 2);
}

TEST(SegmentOutline, MirrorsAboutTheCellsOwnAxes)
{
    const SegmentOutline outline{{4, 6, PointKind::Move}, {11, 40, PointKind::Line}};
    const SegmentOutline xy = outline.transformed(Mirror::XY, 49);
    EXPECT_EQ(xy.points()[0].x, 44);
    EXPECT_EQ(xy.points()[0].y, 76);
    EXPECT_EQ(xy.points()[1].x, 37);
    EXPECT_EQ(xy.points()[1].y, 42);
    // A dot cell is 18 wide: its axis is x = 8.
    EXPECT_EQ(outline.transformed(Mirror::X, 18).points()[0].x, 12);
    EXPECT_EQ(xy.points()[0].kind, PointKind::Move);
    EXPECT_EQ(xy.points()[1].kind, PointKind::Line);
}
