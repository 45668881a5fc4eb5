#include "app/artwork/Artwork.h"

#include <QImage>
#include <QSet>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

struct PictureStats {
    double coveredShare; // pixels that differ from the top-left pixel, or are not transparent
    double edgeShare;    // pixels in sharp contrast with their right neighbour: drawn shapes, not a
                         // plain fill or a gradient
    int distinctColours;
    bool fullyOpaque;
};

bool sharpContrast(QRgb a, QRgb b)
{
    const int threshold = 40;
    return std::abs(qRed(a) - qRed(b)) > threshold || std::abs(qGreen(a) - qGreen(b)) > threshold
        || std::abs(qBlue(a) - qBlue(b)) > threshold || std::abs(qAlpha(a) - qAlpha(b)) > threshold;
}

PictureStats statsOf(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb background = image.pixel(0, 0);
    const bool transparentBackground = qAlpha(background) == 0;
    QSet<QRgb> colours;
    int covered = 0;
    int edges = 0;
    bool opaque = true;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            colours.insert(pixel);
            opaque = opaque && qAlpha(pixel) == 255;
            if (transparentBackground ? qAlpha(pixel) > 0 : pixel != background)
                ++covered;
            if (x + 1 < image.width() && sharpContrast(pixel, image.pixel(x + 1, y)))
                ++edges;
        }
    }
    const double pixels = image.width() * image.height();
    return {covered / pixels, edges / pixels, int(colours.size()), opaque};
}

bool transparentAtCorners(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        if (qAlpha(image.pixel(corner)) != 0)
            return false;
    }
    return true;
}

struct BitmapCase {
    int id;
    QSize size;
};

struct IconCase {
    int id;
    int size;
};

const BitmapCase kBitmapCases[] = {{140, {81, 102}}, {141, {81, 102}}, {144, {149, 17}}};
const IconCase kIconCases[] = {{128, 16}, {128, 32}, {128, 64}, {134, 32}, {146, 16}};

} // namespace

TEST(ArtworkBitmaps, HaveTheirExactSizesAndAreOpaquePictures)
{
    for (const BitmapCase& c : kBitmapCases) {
        SCOPED_TRACE(c.id);
        const QPixmap bitmap = app::gameBitmap(c.id);
        ASSERT_FALSE(bitmap.isNull());
        EXPECT_EQ(bitmap.size(), c.size);
        EXPECT_EQ(bitmap.devicePixelRatio(), 1.0);
        const PictureStats stats = statsOf(bitmap);
        // Nothing of the dialog shows through a bitmap.
        EXPECT_TRUE(stats.fullyOpaque);
        EXPECT_GT(stats.coveredShare, 0.6);
        EXPECT_GT(stats.edgeShare, 0.04); // the banner is mostly open sky
        EXPECT_GE(stats.distinctColours, 30);
    }
}

TEST(ArtworkIcons, ComeInTheirSizesWithContentOnATransparentGround)
{
    for (const IconCase& c : kIconCases) {
        SCOPED_TRACE(testing::Message() << c.id << " at " << c.size);
        const QIcon icon = app::gameIcon(c.id);
        ASSERT_FALSE(icon.isNull());
        EXPECT_TRUE(icon.availableSizes().contains(QSize(c.size, c.size)));
        const QPixmap pixmap = icon.pixmap(c.size, c.size);
        ASSERT_EQ(pixmap.size(), QSize(c.size, c.size));
        EXPECT_TRUE(transparentAtCorners(pixmap));
        const PictureStats stats = statsOf(pixmap);
        EXPECT_GT(stats.coveredShare, 0.4);
        EXPECT_LT(stats.coveredShare, 1.0);
        EXPECT_GT(stats.edgeShare, 0.08);
        EXPECT_GE(stats.distinctColours, 8);
    }
}

TEST(ArtworkIcons, WindowIconOffersALargeSizeForTheWindowManager)
{
    const QIcon icon = app::gameIcon(128);
    EXPECT_TRUE(icon.availableSizes().contains(QSize(64, 64)));
    EXPECT_EQ(icon.pixmap(128, 128).size(), QSize(128, 128));
}

namespace {

// The box around everything that is not transparent.
QRect paintedBounds(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

TEST(ArtworkIcons, FillTheirSquareCentredAtEverySize)
{
    for (int id : {128, 134, 146}) {
        const QIcon icon = app::gameIcon(id);
        for (const QSize& size : icon.availableSizes()) {
            SCOPED_TRACE(testing::Message() << id << " at " << size.width());
            const QRect bounds = paintedBounds(icon.pixmap(size));
            EXPECT_GE(bounds.width(), size.width() * 0.8);
            EXPECT_GE(bounds.height(), size.height() * 0.8);
            const QPointF offCentre = QRectF(bounds).center() - QRectF(QPointF(0, 0), size).center();
            EXPECT_LE(std::abs(offCentre.x()), size.width() * 0.1);
            EXPECT_LE(std::abs(offCentre.y()), size.height() * 0.1);
        }
    }
}

TEST(ArtworkIcons, EachSizeIsPaintedForItselfNotScaledFromAnother)
{
    // The small window icon drops the fine detail; a mere downscale of the big one would not.
    const QIcon icon = app::gameIcon(128);
    const QImage small = icon.pixmap(16, 16).toImage();
    const QImage scaledDown = icon.pixmap(64, 64).toImage().scaled(16, 16, Qt::IgnoreAspectRatio,
                                                                    Qt::SmoothTransformation);
    EXPECT_NE(small.convertToFormat(QImage::Format_ARGB32),
              scaledDown.convertToFormat(QImage::Format_ARGB32));
}

TEST(ArtworkLookup, UnknownIdsAndWrongKindsGiveNullPictures)
{
    for (int id : {0, -1, 129, 139, 142, 145, 147, 100000}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(app::gameBitmap(id).isNull());
        EXPECT_TRUE(app::gameIcon(id).isNull());
    }
    // Icons are not bitmaps and bitmaps are not icons.
    for (int id : {128, 134, 146})
        EXPECT_TRUE(app::gameBitmap(id).isNull());
    for (int id : {140, 141, 144})
        EXPECT_TRUE(app::gameIcon(id).isNull());
}

TEST(ArtworkLookup, BitmapsAreLoadedOnceAndThenShared)
{
    for (int id : {140, 141, 144})
        EXPECT_EQ(app::gameBitmap(id).cacheKey(), app::gameBitmap(id).cacheKey());
    EXPECT_NE(app::gameBitmap(140).cacheKey(), app::gameBitmap(141).cacheKey());
}

TEST(ArtworkBitmaps, TheTwoMessagePicturesDiffer)
{
    EXPECT_NE(app::gameBitmap(140).toImage(), app::gameBitmap(141).toImage());
}
