// The off-screen surface: filled first, copied back in place in one go, clipped to its rect.

#include "widgets/OffscreenDC.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#ifdef WIDGETS_TEST_HAVE_PRINTER
#include <QPrinter>
#include <QTemporaryDir>
#endif

using widgets::OffscreenDC;

namespace {

QImage whiteCanvas()
{
    QImage image(100, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST(OffscreenDC, FillsWithTheBackgroundAndCopiesBackOnlyWhenItEnds)
{
    QImage canvas = whiteCanvas();
    QPainter target(&canvas);
    target.setBackground(QColor(0, 0, 200));
    {
        OffscreenDC surface(target, QRect(10, 20, 30, 15));
        surface.painter().fillRect(QRect(12, 22, 5, 5), QColor(255, 0, 0));
        surface.painter().fillRect(QRect(0, 0, 8, 8), QColor(255, 0, 0)); // outside: lost
        EXPECT_EQ(QColor(canvas.pixel(13, 23)), QColor(Qt::white));
    }
    target.end();
    EXPECT_EQ(QColor(canvas.pixel(13, 23)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(canvas.pixel(10, 20)), QColor(0, 0, 200));
    EXPECT_EQ(QColor(canvas.pixel(39, 34)), QColor(0, 0, 200));
    EXPECT_EQ(QColor(canvas.pixel(40, 34)), QColor(Qt::white));
    EXPECT_EQ(QColor(canvas.pixel(39, 35)), QColor(Qt::white));
    EXPECT_EQ(QColor(canvas.pixel(3, 3)), QColor(Qt::white));
}

TEST(OffscreenDC, TargetCoordinatesAddressTheImageUnderATranslation)
{
    QImage canvas = whiteCanvas();
    QPainter target(&canvas);
    target.translate(7, 3);
    target.setBackground(QColor(0, 100, 0));
    {
        OffscreenDC surface(target, QRect(0, 0, 20, 10));
        surface.painter().fillRect(QRect(1, 1, 1, 1), QColor(255, 0, 0));
    }
    // The surface ends with the target's own state untouched.
    EXPECT_EQ(target.transform(), QTransform::fromTranslate(7, 3));
    target.end();
    EXPECT_EQ(QColor(canvas.pixel(8, 4)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(canvas.pixel(7, 3)), QColor(0, 100, 0));
    EXPECT_EQ(QColor(canvas.pixel(6, 3)), QColor(Qt::white));
    EXPECT_EQ(QColor(canvas.pixel(26, 12)), QColor(0, 100, 0));
    EXPECT_EQ(QColor(canvas.pixel(27, 12)), QColor(Qt::white));
}

TEST(OffscreenDC, OnAScaledScreenItCoversItsRectAtTheScreensResolution)
{
    // As a window on a screen scaled to 200 % or 300 % paints: logical units, finer pixels.
    for (const qreal ratio : {2.0, 3.0}) {
        QImage canvas(QSize(200, 120), QImage::Format_RGB32);
        canvas.fill(Qt::white);
        canvas.setDevicePixelRatio(ratio);
        QPainter target(&canvas);
        target.setBackground(QColor(0, 0, 200));
        {
            OffscreenDC surface(target, QRect(10, 20, 30, 15));
            surface.painter().fillRect(QRectF(12, 22, 0.5, 0.5), QColor(255, 0, 0));
        }
        target.end();
        const auto at = [&](qreal x, qreal y) { return QColor(canvas.pixel(int(x * ratio), int(y * ratio))); };
        EXPECT_EQ(at(12, 22), QColor(255, 0, 0)) << ratio;
        EXPECT_EQ(at(12.75, 22.75), QColor(0, 0, 200)) << ratio; // half a unit is a pixel of its own
        EXPECT_EQ(at(39.5, 34.5), QColor(0, 0, 200)) << ratio;
        EXPECT_EQ(at(40.2, 30), QColor(Qt::white)) << ratio;
        EXPECT_EQ(at(30, 35.2), QColor(Qt::white)) << ratio;
        EXPECT_EQ(at(9.5, 25), QColor(Qt::white)) << ratio;
    }
}

TEST(OffscreenDC, WithoutARectItCoversTheClipOrTheWholeDevice)
{
    QImage canvas = whiteCanvas();
    QPainter target(&canvas);
    target.setBackground(QColor(9, 9, 9));
    {
        OffscreenDC surface(target);
    }
    EXPECT_EQ(QColor(canvas.pixel(0, 0)), QColor(9, 9, 9));
    EXPECT_EQ(QColor(canvas.pixel(99, 59)), QColor(9, 9, 9));
    target.setClipRect(QRect(50, 10, 5, 5));
    target.setBackground(QColor(1, 2, 3));
    {
        OffscreenDC surface(target);
        target.setClipping(false); // what the surface copies back is its own area, not the clip
    }
    target.end();
    EXPECT_EQ(QColor(canvas.pixel(50, 10)), QColor(1, 2, 3));
    EXPECT_EQ(QColor(canvas.pixel(54, 14)), QColor(1, 2, 3));
    EXPECT_EQ(QColor(canvas.pixel(49, 12)), QColor(9, 9, 9));
    EXPECT_EQ(QColor(canvas.pixel(55, 12)), QColor(9, 9, 9));
    EXPECT_EQ(QColor(canvas.pixel(52, 15)), QColor(9, 9, 9));
}

#ifdef WIDGETS_TEST_HAVE_PRINTER
TEST(OffscreenDC, PrinterIsDrawnOnDirectlyAndStaysOpen)
{
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("page.pdf"));
    QPainter target(&printer);
    ASSERT_TRUE(target.isActive());
    target.setBackground(QColor(0, 0, 0));
    {
        OffscreenDC surface(target, QRect(0, 0, 100, 100));
        EXPECT_EQ(&surface.painter(), &target);
        target.setPen(Qt::red);
    }
    EXPECT_TRUE(target.isActive());
    // The surface's own settings do not outlive it.
    EXPECT_NE(target.pen().color(), QColor(Qt::red));
    EXPECT_FALSE(target.hasClipping());
}
#endif
