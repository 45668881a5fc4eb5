// The row of cells: the scale, the centring and the packing.

#include "widgets/SegmentGlyph.h"
#include "widgets/SegmentDisplay.h"

#include <gtest/gtest.h>

using namespace widgets;

namespace {

std::vector<SegmentGlyph> glyphsOf(const std::string& text, std::uint32_t style)
{
    std::vector<SegmentGlyph> glyphs;
    for (char c : text)
        if (auto g = glyphForCharacter(c, style))
            glyphs.push_back(*g);
    return glyphs;
}

} // namespace

TEST(GlyphLayout, FiveFourZeroZeroInTwoHundredFortyByFortyIsCentredByHeight)
{
    const auto cells = layoutGlyphs(glyphsOf("5400", KeepAspect), 240, 40, KeepAspect);
    ASSERT_EQ(cells.size(), 4u);
    const double s = 40.0 / 83.0;
    EXPECT_NEAR(cells[0].left(), 72.771, 0.001);
    EXPECT_NEAR(cells[0].right(), 96.386, 0.001);
    EXPECT_DOUBLE_EQ(cells[0].top(), 0.0);
    EXPECT_NEAR(cells[0].bottom(), 40.0, 1e-9);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(cells[i].right() - cells[i].left(), 49 * s, 1e-9);
        if (i > 0) {
            EXPECT_DOUBLE_EQ(cells[i].left(), cells[i - 1].right());
        }
    }
    // Centred: the same room on either side.
    EXPECT_NEAR(cells[0].left(), 240.0 - cells[3].right(), 1e-9);
}

TEST(GlyphLayout, TallAreaCentresVerticallyWithoutAspectTheRowFills)
{
    const auto tall = layoutGlyphs(glyphsOf("8", KeepAspect), 49, 200, KeepAspect);
    ASSERT_EQ(tall.size(), 1u);
    EXPECT_DOUBLE_EQ(tall[0].left(), 0.0);
    EXPECT_DOUBLE_EQ(tall[0].right(), 49.0);
    EXPECT_NEAR(tall[0].top(), (200.0 - 83.0) / 2, 1e-9);

    const auto filled = layoutGlyphs(glyphsOf("1:2", 0), 116, 50, 0);
    ASSERT_EQ(filled.size(), 3u);
    EXPECT_DOUBLE_EQ(filled[0].left(), 0.0);
    EXPECT_NEAR(filled[1].right() - filled[1].left(), 18.0, 1e-9); // 116 / (49 + 18 + 49) = 1
    EXPECT_NEAR(filled[2].right(), 116.0, 1e-9);
    EXPECT_DOUBLE_EQ(filled[0].top(), 0.0);
    EXPECT_NEAR(filled[0].bottom(), 50.0, 1e-9);
}

TEST(GlyphLayout, NoGlyphsNoCellsAndOriginShiftsTheRow)
{
    EXPECT_TRUE(layoutGlyphs({}, 100, 40, KeepAspect).empty());
    const auto shifted = layoutGlyphs(glyphsOf("0", KeepAspect), 49, 83, KeepAspect, 3, 5);
    EXPECT_DOUBLE_EQ(shifted[0].left(), 3.0);
    EXPECT_DOUBLE_EQ(shifted[0].top(), 5.0);
}
