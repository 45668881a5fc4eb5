// The ticker as drawn and as driven: gradient, grip, segments, scrolling, hover, tips file.

#include "PixelHelpers.h"

#include "widgets/Gradient.h"
#include "widgets/TickerControl.h"
#include "widgets/TipsFile.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;
using widgets_test::at;
using widgets_test::grabbed;

namespace {

QColor bandColour(int i)
{
    return QColor(50, 180 - 3 * i, 4 * i);
}

// Topmost row holding an exact `colour` pixel within columns [from, to), or -1.
int topRowOf(const QImage& image, QColor colour, int from, int to)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = from; x < to && x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == colour)
                return y;
    return -1;
}

// A 400 x 40 strip in white and yellow at font height 24, started and held still.
void startHeld(TickerControl& ticker, const std::string& text)
{
    ticker.resize(400, 40);
    ticker.setText(text);
    ticker.setColours(rgb(255, 255, 255), rgb(255, 255, 43));
    ticker.setFontSize(24);
    ticker.start();
    ticker.pause();
}

// One step that puts the start of the text at column 10.
void moveToColumnTen(TickerControl& ticker)
{
    ticker.setStep(ticker.scrollX() - 10);
    ticker.scrollOneStep();
}

} // namespace

TEST(Gradient, SixtyBandsStepFromGreenToBlueAndTheLastTakesTheRest)
{
    QImage image(65, 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        fillGradient(painter, image.rect(), 60, 0x00B432, 0xFF0000);
    }
    for (int i = 0; i < 59; ++i)
        EXPECT_EQ(QColor(image.pixel(i, 2)), bandColour(i)) << i;
    for (int x = 59; x < 65; ++x)
        EXPECT_EQ(QColor(image.pixel(x, 0)), QColor(50, 3, 236));
    EXPECT_EQ(QColor(image.pixel(0, 3)), QColor(50, 180, 0));
}

TEST(TickerControl, BackgroundIsTheBandedGradientWithTheGripAtTheRightEnd)
{
    TickerControl ticker;
    ticker.resize(600, 24);
    ticker.setText("");
    ticker.start();
    ticker.pause();
    const QImage image = grabbed(ticker);
    for (int i = 0; i < 59; ++i) {
        EXPECT_EQ(at(image, i * 10 + 5, 20), bandColour(i)) << i;
        EXPECT_EQ(at(image, i * 10, 0), bandColour(i)) << i; // no border: sunken and flat
    }
    EXPECT_EQ(at(image, 595, 20), bandColour(59));
    const QColor grip[6] = {QColor(255, 255, 255), QColor(192, 192, 192), QColor(128, 128, 128),
                            QColor(192, 192, 192), QColor(255, 255, 255), QColor(192, 192, 192)};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(at(image, 594 + k, 0), grip[k]) << k;
        EXPECT_EQ(at(image, 594 + k, 14), grip[k]) << k;
        EXPECT_EQ(at(image, 594 + k, 15), bandColour(59)) << k;
    }
}

TEST(TickerControl, SegmentsAlternateColourAndTheSecondSitsThreePixelsLower)
{
    TickerControl ticker;
    startHeld(ticker, "|MM|MM|MM|");
    EXPECT_EQ(ticker.scrollX(), 400);
    moveToColumnTen(ticker);
    ASSERT_EQ(ticker.scrollX(), 10);

    const QImage image = grabbed(ticker);
    const int w = QFontMetrics(ticker.tickerFont()).horizontalAdvance(QStringLiteral("MM"));
    const QColor white(255, 255, 255), yellow(255, 255, 43);
    const int firstTop = topRowOf(image, white, 10, 10 + w);
    const int secondTop = topRowOf(image, yellow, 10 + w, 10 + 2 * w);
    const int thirdTop = topRowOf(image, white, 10 + 2 * w, 10 + 3 * w);
    ASSERT_GE(firstTop, 0);
    EXPECT_EQ(secondTop, firstTop + 3);
    EXPECT_EQ(thirdTop, firstTop);
    EXPECT_EQ(topRowOf(image, yellow, 0, 10 + w), -1);
    EXPECT_EQ(topRowOf(image, white, 10 + 3 * w, 394), -1);
    EXPECT_EQ(topRowOf(image, white, 0, 10), -1);
}

TEST(TickerControl, ColoursAndHeightChangedAfterAPaintShowAtTheNextOne)
{
    TickerControl ticker;
    startHeld(ticker, "|MM|MM|");
    moveToColumnTen(ticker);
    // Columns left of the grip, whose first column is white.
    const QColor white(255, 255, 255), yellow(255, 255, 43), red(255, 0, 0), blue(0, 0, 255);
    ASSERT_GE(topRowOf(grabbed(ticker), white, 0, 394), 0);

    ticker.setColours(rgb(255, 0, 0), rgb(0, 0, 255));
    QImage image = grabbed(ticker);
    EXPECT_EQ(topRowOf(image, white, 0, 394), -1);
    EXPECT_EQ(topRowOf(image, yellow, 0, 394), -1);
    const int redTop = topRowOf(image, red, 0, 394);
    ASSERT_GE(redTop, 0);
    EXPECT_EQ(topRowOf(image, blue, 0, 394), redTop + 3);

    // A taller strip, started again, shows the same text in full at its new right edge.
    ticker.resize(400, 80);
    ticker.start();
    ticker.pause();
    ticker.scrollOneStep();
    image = grabbed(ticker);
    EXPECT_EQ(topRowOf(image, red, 0, 394), redTop);
    EXPECT_EQ(topRowOf(image, blue, 0, 394), redTop + 3);
}

TEST(TickerControl, ASegmentWiderThanManyStripsIsDrawnLikeAnyOther)
{
    TickerControl ticker;
    startHeld(ticker, "|" + std::string(2000, 'M') + "|MM|");
    moveToColumnTen(ticker);
    const QImage image = grabbed(ticker);
    EXPECT_EQ(topRowOf(image, QColor(255, 255, 255), 0, 10), -1);
    EXPECT_GE(topRowOf(image, QColor(255, 255, 255), 10, 394), 0);
    EXPECT_EQ(topRowOf(image, QColor(255, 255, 43), 0, 394), -1);
}

TEST(TickerControl, OnlyClosedSegmentsAreDrawn)
{
    auto rendered = [](const std::string& text) {
        TickerControl ticker;
        ticker.resize(300, 30);
        ticker.setText(text);
        ticker.start();
        ticker.pause();
        ticker.setStep(300);
        ticker.scrollOneStep();
        return grabbed(ticker);
    };
    const QImage blank = rendered("");
    EXPECT_EQ(rendered("||X|"), blank);
    EXPECT_EQ(rendered(TickerControl::MissingTipsText), blank);
    EXPECT_EQ(rendered("|X|Y"), rendered("|X|"));
    EXPECT_NE(rendered("|X|"), blank);
}

TEST(TickerControl, TextReentersFromTheRightOnceItHasFullyLeft)
{
    TickerControl ticker;
    ticker.resize(300, 30);
    ticker.setText("|AB|CD|");
    ticker.start();
    ticker.pause();
    const int w = ticker.textWidth();
    ASSERT_GT(w, 0);
    ticker.setStep(300 + w - 1);
    ticker.scrollOneStep();
    grabbed(ticker);
    EXPECT_EQ(ticker.scrollX(), 1 - w); // one column still showing
    ticker.setStep(1);
    ticker.scrollOneStep();
    grabbed(ticker);
    EXPECT_EQ(ticker.scrollX(), 300);
}

TEST(TickerControl, TimerMovesTheTextByItsStepAndPauseHoldsIt)
{
    TickerControl ticker;
    ticker.resize(200, 20);
    ticker.setText("|tip|");
    ticker.setStep(2);
    ticker.start();
    EXPECT_TRUE(ticker.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(ticker.scrollX() <= 196, 2000);
    EXPECT_EQ((200 - ticker.scrollX()) % 2, 0);

    ticker.pause();
    EXPECT_FALSE(ticker.isRunning());
    const int held = ticker.scrollX();
    QTest::qWait(3 * TickerControl::ScrollIntervalMs);
    EXPECT_EQ(ticker.scrollX(), held);

    ticker.resume();
    EXPECT_TRUE(ticker.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(ticker.scrollX() < held, 2000);
}

TEST(TickerControl, HoverPausesWithABumpBorderAndLeavingResumes)
{
    QWidget window;
    window.resize(400, 100);
    TickerControl* ticker = new TickerControl(&window);
    ticker->setGeometry(10, 60, 300, 24);
    ticker->setText("|tip|");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ticker->start();

    const QImage before = grabbed(*ticker);
    ticker->hoverAt(ticker->mapToGlobal(QPoint(150, 12)));
    EXPECT_FALSE(ticker->isRunning());
    EXPECT_EQ(ticker->edgeType(), edge::Bump);
    EXPECT_EQ(ticker->edgeFlags(), edge::AllSides);
    const QImage bumped = grabbed(*ticker);
    const QColor gradientLeft = at(before, 0, 12);
    EXPECT_EQ(gradientLeft, bandColour(0));
    EXPECT_NE(at(bumped, 0, 12), gradientLeft);
    EXPECT_EQ(at(bumped, 0, 12).rgb(), ticker->palette().color(QPalette::Midlight).rgb());
    EXPECT_EQ(at(bumped, 1, 12).rgb(), ticker->palette().color(QPalette::Shadow).rgb());

    // Still over it: stays paused.
    ticker->hoverAt(ticker->mapToGlobal(QPoint(299, 23)));
    EXPECT_FALSE(ticker->isRunning());

    ticker->hoverAt(ticker->mapToGlobal(QPoint(300, 12)));
    EXPECT_TRUE(ticker->isRunning());
    EXPECT_EQ(ticker->edgeType(), edge::Sunken);
    EXPECT_EQ(ticker->edgeFlags(), edge::Flat);
    EXPECT_EQ(at(grabbed(*ticker), 0, 12), gradientLeft);
}

TEST(TickerControl, ResumeWhileRunningKeepsTheTimer)
{
    TickerControl ticker;
    ticker.resize(100, 20);
    ticker.setStep(1);
    ticker.start();
    const int x = ticker.scrollX();
    ticker.resume();
    EXPECT_EQ(ticker.scrollX(), x);
    EXPECT_TRUE(ticker.isRunning());
}

TEST(TickerControl, LoadTipsConfiguresAndStartsAndAMissingFileLeavesItBlank)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TickerControl ticker;
    ticker.resize(300, 30);
    ticker.setText(" Loading data, please wait...");
    ticker.loadTipsFile(dir.filePath("tips.txt"), 0xFFFFFF, 0x2BFFFF, "Comic Sans MS", 17, 4);
    EXPECT_EQ(ticker.getText(), TickerControl::MissingTipsText);
    EXPECT_TRUE(ticker.isRunning());
    EXPECT_EQ(ticker.step(), 4);
    EXPECT_EQ(ticker.fontHeight(), 17);
    EXPECT_EQ(ticker.altTextColour(), rgb(255, 255, 43));
    EXPECT_EQ(ticker.scrollX(), 300);

    const std::string tips = "|first|second|";
    std::string scrambled;
    for (char c : tips)
        scrambled.push_back(char(static_cast<unsigned char>(c) ^ TipsKey));
    QFile file(dir.filePath("tips.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(scrambled.data(), qint64(scrambled.size()));
    file.close();
    ticker.loadTipsFile(dir.filePath("tips.txt"), 0xFFFFFF, 0x2BFFFF, "Comic Sans MS", 17, 4);
    EXPECT_EQ(ticker.getText(), tips);
}

TEST(TickerControl, FontIsMadeOnlyBySetFontSize)
{
    TickerControl ticker;
    EXPECT_EQ(ticker.tickerFont().family(), QStringLiteral("Comic Sans MS"));
    ticker.setFontName("WenQuanYi Micro Hei");
    EXPECT_EQ(ticker.tickerFont().family(), QStringLiteral("Comic Sans MS"));
    ticker.setFontSize(17);
    EXPECT_EQ(ticker.tickerFont().family(), QStringLiteral("WenQuanYi Micro Hei"));
    // A positive height is the whole character cell.
    EXPECT_LE(QFontMetrics(ticker.tickerFont()).height(), 17 + 1);
    EXPECT_GE(QFontMetrics(ticker.tickerFont()).height(), 17 - 2);
}

TEST(TickerControl, GripImageColumns)
{
    const QImage grip = TickerControl::gripImage();
    EXPECT_EQ(grip.size(), QSize(6, 15));
    EXPECT_EQ(QColor(grip.pixel(2, 7)), QColor(128, 128, 128));
    EXPECT_EQ(QColor(grip.pixel(4, 0)), QColor(255, 255, 255));
}
