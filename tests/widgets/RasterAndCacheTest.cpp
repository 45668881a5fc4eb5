// The display's own fast paths must draw exactly what the plain paths draw.

#include "RecordingSink.h"

#include "widgets/OffscreenDC.h"
#include "widgets/PathRecording.h"
#include "widgets/PolygonRaster.h"
#include "widgets/SegmentDisplay.h"
#include "widgets/SevenSegmentGlyph.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace widgets;
using widgets_test::RecordingSink;

namespace {

QImage blankImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

int countColour(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

QImage contentsOf(SegmentDisplay& display)
{
    return display.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(display.contentsRect());
}

} // namespace

TEST(PolygonRaster, FillsTheInsideAndEdgesEveryBoundaryPixel)
{
    QImage image = blankImage(20, 20);
    PolygonRaster raster(image, QPoint(2, 3));
    const QPolygon square({QPoint(0, 0), QPoint(0, 9), QPoint(9, 9), QPoint(9, 0)});
    raster.fill(square, qRgb(0, 255, 0));
    raster.outline(square, qRgb(0, 191, 0));
    // A 10 x 10 block at (2, 3): 36 edge pixels around 64 inside.
    EXPECT_EQ(countColour(image, qRgb(0, 191, 0)), 36);
    EXPECT_EQ(countColour(image, qRgb(0, 255, 0)), 64);
    EXPECT_EQ(image.pixel(2, 3), qRgb(0, 191, 0));
    EXPECT_EQ(image.pixel(11, 12), qRgb(0, 191, 0));
    EXPECT_EQ(image.pixel(3, 4), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(12, 12), qRgb(0, 0, 0));
}

TEST(PolygonRaster, DropsWhatLiesOutsideTheImage)
{
    QImage image = blankImage(10, 10);
    PolygonRaster raster(image, QPoint(0, 0));
    const QPolygon large({QPoint(-20, -20), QPoint(-20, 30), QPoint(30, 30), QPoint(30, -20)});
    raster.fill(large, qRgb(1, 2, 3));
    raster.outline(large, qRgb(9, 9, 9));
    EXPECT_EQ(countColour(image, qRgb(1, 2, 3)), 100);
}

TEST(PathRecording, ReplaysExactlyOrWithAnotherMask)
{
    SevenSegmentGlyph glyph;
    glyph.SetSegments(0, CurvedOutlines);
    PathRecording recording;
    glyph.Draw(recording, 3.3, 1.7, 30.1, 47.9);

    SevenSegmentGlyph five;
    five.SetSegments(107, CurvedOutlines);
    RecordingSink direct, replayed, unchanged;
    five.Draw(direct, 3.3, 1.7, 30.1, 47.9);
    recording.replay(replayed, 107);
    glyph.Draw(unchanged, 3.3, 1.7, 30.1, 47.9);
    RecordingSink plainReplay;
    recording.replay(plainReplay);
    ASSERT_EQ(replayed.outlines.size(), direct.outlines.size());
    for (std::size_t k = 0; k < direct.outlines.size(); ++k) {
        EXPECT_EQ(replayed.outlines[k].commands, direct.outlines[k].commands);
        EXPECT_EQ(replayed.outlines[k].lit, direct.outlines[k].lit);
        EXPECT_FALSE(plainReplay.outlines[k].lit);
    }
}

TEST(SegmentDisplay, KeptCellPathsDrawTheSameAsAFreshDisplay)
{
    for (std::uint32_t style : {std::uint32_t(KeepAspect), std::uint32_t(KeepAspect | CurvedOutlines)}) {
        SegmentDisplay reused(nullptr, style);
        reused.resize(150, 33);
        reused.SetText("2000");
        contentsOf(reused);
        reused.SetText("1999"); // same cells, other segments lit
        SegmentDisplay fresh(nullptr, style);
        fresh.resize(150, 33);
        fresh.SetText("1999");
        EXPECT_EQ(contentsOf(reused), contentsOf(fresh)) << style;

        reused.resize(151, 33); // a new size fits afresh
        fresh.resize(151, 33);
        EXPECT_EQ(contentsOf(reused), contentsOf(fresh)) << style;
    }
}

TEST(SegmentDisplay, DirectPixelsAndPainterPathsAgreeOnStraightAndCurvedGlyphs)
{
    // Under a scale the surface gives no pixel access, so the painter draws the outlines.
    for (std::uint32_t style : {std::uint32_t(KeepAspect), std::uint32_t(KeepAspect | CurvedOutlines)}) {
        SegmentDisplay display(nullptr, style);
        display.SetText("5400");
        QImage viaPixels = blankImage(240, 40);
        {
            QPainter painter(&viaPixels);
            display.paintContents(painter, QRect(0, 0, 240, 40));
        }
        QImage viaPainter = blankImage(480, 80);
        {
            QPainter painter(&viaPainter);
            painter.scale(2, 2);
            OffscreenDC probe(painter, QRect(0, 0, 240, 40));
            EXPECT_TRUE(probe.isBuffered());
            EXPECT_EQ(probe.pixels(), nullptr);
        }
        {
            QPainter painter(&viaPainter);
            painter.scale(2, 2);
            display.paintContents(painter, QRect(0, 0, 240, 40));
        }
        // Same colours in the same places, to within the two rasterisers' edge rules.
        int differing = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 240; ++x)
                differing += viaPixels.pixel(x, y) != viaPainter.pixel(2 * x, 2 * y);
        EXPECT_LT(differing, 240 * 40 / 20) << style;
        EXPECT_EQ(viaPixels.pixel(85, 3), qRgb(0, 255, 0)) << style;
    }
}
