// The widgets' curve fit keeps each axis's samples between search steps and runs the points'
// searches side by side. These tests hold it to the step-by-step fit, double for double, on
// the curved runs of every glyph at the cells real displays lay out, and on odd fit sets.

#include "RecordingSink.h"
#include "ReferenceCurveFit.h"

#include "widgets/BezierFit.h"
#include "widgets/CharacterGlyph.h"
#include "widgets/GlyphLayout.h"
#include "widgets/SegmentOutline.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace widgets;
using widgets_test::PathCommand;
using widgets_test::RecordingSink;
namespace reference = widgets_test::reference;

namespace {

// The fit sets of one outline drawn into a cell, mapped to device space as drawing does.
std::vector<std::vector<PointF>> fitSetsOf(const SegmentOutline& outline, const CellRect& cell,
                                           int cellWidth)
{
    const double kx = (cell.right - cell.left) / cellWidth;
    const double ky = (cell.bottom - cell.top) * CellHeightReciprocal;
    const auto& points = outline.points();
    const auto& kinds = outline.kinds();
    std::vector<std::vector<PointF>> sets;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (kinds[i] != PointKind::Curve || kinds[i - 1] == PointKind::Curve)
            continue;
        std::vector<PointF> set;
        std::size_t k = i - 1;
        do {
            set.push_back({cell.left + points[k].x * kx, cell.top + points[k].y * ky});
        } while (kinds[k++] == PointKind::Curve || k == i);
        sets.push_back(set);
    }
    return sets;
}

struct Layout {
    std::string text;
    int width;
    int height;
    std::uint32_t style;
};

// The game's four displays at their sizes, and others: narrow, tall, large, stretched.
std::vector<Layout> layouts()
{
    std::vector<Layout> result;
    const std::uint32_t curved = KeepAspect | CurvedOutlines;
    for (const char* text : {"2000", "0", "5400", "100", "-12", "EMPTY", "1999", "12:30"}) {
        for (int width : {65, 150, 151, 178, 240})
            for (int height : {28, 30, 32, 33, 40})
                result.push_back({text, width, height, curved});
    }
    result.push_back({"8", 49, 83, curved});
    result.push_back({"88", 13, 9, curved});
    result.push_back({"WXYZ*+", 1000, 400, curved});
    result.push_back({"8-8", 300, 20, CurvedOutlines});
    result.push_back({"8", 37, 211, CurvedOutlines | FourteenSegmentDigits});
    return result;
}

void expectSameFit(const std::vector<PointF>& set, const std::string& where)
{
    const BezierControls fast = FitBezierControls(set);
    const BezierControls slow = reference::FitBezierControls(set);
    // Exact: a last-bit difference could round a control point to another pixel.
    EXPECT_EQ(fast.c1.x, slow.c1.x) << where;
    EXPECT_EQ(fast.c1.y, slow.c1.y) << where;
    EXPECT_EQ(fast.c2.x, slow.c2.x) << where;
    EXPECT_EQ(fast.c2.y, slow.c2.y) << where;
    const PointF p0 = set.front();
    const PointF p3 = set.back();
    EXPECT_EQ(CurveDistanceError(p0, fast.c1, fast.c2, p3, set),
              reference::CurveDistanceError(p0, slow.c1, slow.c2, p3, set))
        << where;
}

} // namespace

TEST(CurveFitEquivalence, EveryCurvedRunAtTheCellsOfRealLayoutsFitsAsStepByStep)
{
    int fits = 0;
    for (const Layout& layout : layouts()) {
        std::vector<SegmentGlyph> glyphs;
        for (char c : layout.text)
            if (auto glyph = glyphForCharacter(c, layout.style))
                glyphs.push_back(*glyph);
        const auto cells = layoutGlyphs(glyphs, layout.width, layout.height, layout.style, 1, 1);
        for (std::size_t g = 0; g < glyphs.size(); ++g)
            for (const SegmentOutline& outline : glyphs[g].Outlines())
                for (const auto& set : fitSetsOf(outline, cells[g], glyphs[g].Width())) {
                    expectSameFit(set, layout.text + " at " + std::to_string(layout.width) +
                                           "x" + std::to_string(layout.height));
                    ++fits;
                }
    }
    EXPECT_GT(fits, 8000); // the layouts above really hold curved runs
}

TEST(CurveFitEquivalence, OddFitSetsFitAsStepByStep)
{
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> coordinate(-50.0, 250.0);
    std::uniform_int_distribution<int> points(2, 11);
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<PointF> set(points(random));
        for (PointF& p : set)
            p = {coordinate(random), coordinate(random)};
        // Some sets with repeated and collinear points, where errors tie or vanish.
        if (trial % 5 == 0)
            set[set.size() / 2] = set.front();
        if (trial % 7 == 0)
            for (std::size_t i = 0; i < set.size(); ++i)
                set[i] = {double(3 * i), double(2 * i)};
        expectSameFit(set, "trial " + std::to_string(trial));
    }
    expectSameFit({{5, 5}, {5, 5}, {5, 5}}, "all on one spot");
    expectSameFit({{0, 0}, {1, 1}}, "no curve point");
}

TEST(CurveFitEquivalence, RecordedCurvesOfAGameDisplayAreTheRoundedStepByStepFit)
{
    // The cash display of the game window in the curved style, glyph by glyph.
    std::vector<SegmentGlyph> glyphs;
    for (char c : std::string("2000"))
        glyphs.push_back(*glyphForCharacter(c, KeepAspect | CurvedOutlines));
    const auto cells = layoutGlyphs(glyphs, 178, 30, KeepAspect | CurvedOutlines, 0, 0);
    int curves = 0;
    for (std::size_t g = 0; g < glyphs.size(); ++g) {
        RecordingSink sink;
        glyphs[g].Draw(sink, cells[g].left, cells[g].top, cells[g].right, cells[g].bottom);
        ASSERT_EQ(sink.outlines.size(), glyphs[g].Outlines().size());
        for (std::size_t k = 0; k < sink.outlines.size(); ++k) {
            const auto sets = fitSetsOf(glyphs[g].Outlines()[k], cells[g], glyphs[g].Width());
            std::size_t run = 0;
            for (const PathCommand& command : sink.outlines[k].commands) {
                if (command.kind != PathCommand::Cubic)
                    continue;
                ASSERT_LT(run, sets.size());
                const BezierControls c = reference::FitBezierControls(sets[run]);
                const PointF end = sets[run].back();
                EXPECT_EQ(command.points[0], (DevicePoint{roundToPixel(c.c1.x), roundToPixel(c.c1.y)}));
                EXPECT_EQ(command.points[1], (DevicePoint{roundToPixel(c.c2.x), roundToPixel(c.c2.y)}));
                EXPECT_EQ(command.points[2], (DevicePoint{roundToPixel(end.x), roundToPixel(end.y)}));
                ++run;
                ++curves;
            }
            EXPECT_EQ(run, sets.size());
        }
    }
    EXPECT_EQ(curves, 4 * 8); // eight curved runs in each seven-segment cell
}
