// The ticker as drawn and as driven: gradient, grip, segments, scrolling, hover, tips file.

#include "PixelHelpers.h"
#include "TickerProbe.h"

#include "widgets/TickerControl.h"
#include "widgets/TipsFile.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimerEvent>
#include <gtest/gtest.h>

using namespace widgets;
using widgets_test::at;
using widgets_test::grabbed;
using ticker_probe::bumped;
using ticker_probe::onlySyntheticPointer;
using ticker_probe::leftColumnOf;
using ticker_probe::scrolling;
using ticker_probe::tick;

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

// A 400 x 40 strip in white and yellow at font height 24, started: the text waits at 400.
void startHeld(TickerControl& ticker, const std::string& text)
{
    ticker.resize(400, 40);
    ticker.setText(text);
    ticker.setColours(rgb(255, 255, 255), rgb(255, 255, 43));
    ticker.setFontSize(24);
    ticker.start();
}

// One step from the right edge that puts the start of the text at column 10.
void moveToColumnTen(TickerControl& ticker)
{
    ticker.setStep(ticker.width() - 10);
    tick(ticker);
}

// A 300 x 24 strip at (10, 60) in a shown 400 x 100 window, started; null if the window
// never showed.
TickerControl* startedInWindow(QWidget& window)
{
    window.resize(400, 100);
    auto* ticker = new TickerControl(&window);
    ticker->setGeometry(10, 60, 300, 24);
    ticker->setText("|tip|");
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return nullptr;
    ticker->start();
    return ticker;
}

} // namespace

TEST(TickerGradient, SixtyBandsStepFromGreenToBlueAndTheLastTakesTheRest)
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
    EXPECT_EQ(leftColumnOf(grabbed(ticker), QColor(255, 255, 255)), -1) << "waiting at the right edge";
    moveToColumnTen(ticker);

    const QImage image = grabbed(ticker);
    const int w = QFontMetrics(ticker.font()).horizontalAdvance(QStringLiteral("MM"));
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
    tick(ticker);
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
        ticker.setStep(300);
        tick(ticker);
        return grabbed(ticker);
    };
    const QImage blank = rendered("");
    EXPECT_EQ(rendered("||X|"), blank);
    EXPECT_EQ(rendered(TickerControl::kMissingTipsText), blank);
    EXPECT_EQ(rendered("|X|Y"), rendered("|X|"));
    EXPECT_NE(rendered("|X|"), blank);
}

TEST(TickerControl, TextReentersFromTheRightOnceItHasFullyLeft)
{
    const auto atColumnTen = [] {
        TickerControl ticker;
        ticker.resize(300, 30);
        ticker.setText("|AB|CD|");
        ticker.start();
        ticker.setStep(290);
        tick(ticker);
        return grabbed(ticker);
    };
    TickerControl ticker;
    ticker.resize(300, 30);
    ticker.setText("|AB|CD|");
    ticker.start();
    // The whole text's width, bars included.
    const int w = QFontMetrics(ticker.font()).horizontalAdvance(QStringLiteral("|AB|CD|"));
    ASSERT_GT(w, 0);
    ticker.setStep(300 + w - 1);
    tick(ticker);
    grabbed(ticker); // one column of the text still on the strip: it goes on from there
    ticker.setStep(1);
    tick(ticker);
    grabbed(ticker); // wholly gone: back to the right edge, 300
    ticker.setStep(290);
    tick(ticker);
    const QImage image = grabbed(ticker);
    EXPECT_GE(leftColumnOf(image, QColor(255, 255, 255)), 10);
    EXPECT_EQ(image, atColumnTen());
}

TEST(TickerControl, TimerMovesTheTextByItsStepAndPauseHoldsIt)
{
    TickerControl ticker;
    ticker.resize(200, 20);
    ticker.setText("|MMMM|");
    ticker.setStep(2);
    ticker.start();
    EXPECT_TRUE(scrolling(ticker));
    const QColor white(255, 255, 255);
    const auto left = [&] { return leftColumnOf(grabbed(ticker), white); };
    QTRY_VERIFY_WITH_TIMEOUT(left() >= 0 && left() < 190, 2000);

    ticker.pause();
    EXPECT_FALSE(scrolling(ticker));
    const int held = left();
    QTest::qWait(3 * TickerControl::kScrollIntervalMs);
    EXPECT_EQ(left(), held);

    ticker.resume();
    EXPECT_TRUE(scrolling(ticker));
    QTRY_VERIFY_WITH_TIMEOUT(left() < held, 2000);
    EXPECT_EQ((held - left()) % 2, 0) << "two pixels a tick";
}

TEST(TickerControl, ThePointerOverItHoldsItWithABumpBorderAndLeavingLetsItGo)
{
    QWidget window;
    TickerControl* ticker = startedInWindow(window);
    ASSERT_TRUE(ticker);
    QWindow* screenWindow = window.windowHandle();
    QTest::mouseMove(screenWindow, QPoint(200, 20));

    const QImage before = grabbed(*ticker);
    QTest::mouseMove(screenWindow, ticker->mapTo(&window, QPoint(150, 12)));
    EXPECT_FALSE(scrolling(*ticker));
    const QImage bumped = grabbed(*ticker);
    const QColor gradientLeft = at(before, 0, 12);
    EXPECT_EQ(gradientLeft, bandColour(0));
    EXPECT_NE(at(bumped, 0, 12), gradientLeft);
    EXPECT_EQ(at(bumped, 0, 12).rgb(), ticker->palette().color(QPalette::Midlight).rgb());
    EXPECT_EQ(at(bumped, 1, 12).rgb(), ticker->palette().color(QPalette::Shadow).rgb());
    EXPECT_EQ(at(bumped, 299, 20).rgb(), ticker->palette().color(QPalette::Shadow).rgb());
    EXPECT_EQ(at(bumped, 298, 20).rgb(), ticker->palette().color(QPalette::Midlight).rgb());

    // Still over it: stays paused.
    QTest::mouseMove(screenWindow, ticker->mapTo(&window, QPoint(299, 23)));
    EXPECT_FALSE(scrolling(*ticker));

    QTest::mouseMove(screenWindow, ticker->mapTo(&window, QPoint(300, 12)));
    EXPECT_TRUE(scrolling(*ticker));
    EXPECT_EQ(at(grabbed(*ticker), 0, 12), gradientLeft);
}

TEST(TickerControl, LeavingTheWindowStraightFromItKeepsItHeldUntilThePointerIsBack)
{
    if (!onlySyntheticPointer())
        GTEST_SKIP() << "the window system tracks a pointer of its own";
    QWidget window;
    TickerControl* ticker = startedInWindow(window);
    ASSERT_TRUE(ticker);
    QWindow* screenWindow = window.windowHandle();
    QTest::mouseMove(screenWindow, ticker->mapTo(&window, QPoint(150, 12)));
    ASSERT_FALSE(scrolling(*ticker));

    // The pointer goes off the window's edge: the window itself is told it was left.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(screenWindow, &leave);
    QCoreApplication::processEvents();
    EXPECT_FALSE(scrolling(*ticker));
    EXPECT_TRUE(bumped(*ticker));

    // Moves elsewhere on the screen change nothing; then the pointer comes back over the
    // window, away from the strip, and the window is told it was entered.
    QCoreApplication::processEvents();
    EXPECT_FALSE(scrolling(*ticker));
    const QPointF back(200, 20);
    QEnterEvent enter(back, back, window.mapToGlobal(back));
    QCoreApplication::sendEvent(screenWindow, &enter);
    QCoreApplication::processEvents();
    EXPECT_TRUE(scrolling(*ticker));
    EXPECT_FALSE(bumped(*ticker));
}

TEST(TickerControl, ResumeWhileRunningKeepsTheTimer)
{
    TickerControl ticker;
    ticker.resize(100, 20);
    ticker.setStep(1);
    ticker.start();
    const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&ticker);
    ASSERT_EQ(timers.size(), 1);
    ticker.resume();
    EXPECT_TRUE(scrolling(ticker));
    const auto after = QAbstractEventDispatcher::instance()->registeredTimers(&ticker);
    ASSERT_EQ(after.size(), 1);
    EXPECT_EQ(after.first().timerId, timers.first().timerId) << "the same timer, its phase kept";
}

TEST(TickerControl, LoadTipsConfiguresAndStartsAndAMissingFileLeavesItBlank)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TickerControl ticker;
    ticker.resize(300, 30);
    ticker.setText(" Loading data, please wait...");
    ticker.loadTips(0xFFFFFF, 0x2BFFFF, "Comic Sans MS", 17, 4, dir.filePath("tips.txt"));
    EXPECT_EQ(ticker.getText(), TickerControl::kMissingTipsText);
    EXPECT_TRUE(scrolling(ticker));
    EXPECT_EQ(ticker.font().family(), QStringLiteral("Comic Sans MS"));
    // The message holds no bar: the strip shows its background only.
    EXPECT_EQ(leftColumnOf(grabbed(ticker), QColor(255, 255, 255)), -1);

    const std::string tips = "|first|second|";
    std::string scrambled;
    for (char c : tips)
        scrambled.push_back(char(static_cast<unsigned char>(c) ^ kTipsKey));
    QFile file(dir.filePath("tips.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(scrambled.data(), qint64(scrambled.size()));
    file.close();
    ticker.loadTips(0xFFFFFF, 0x2BFFFF, "Comic Sans MS", 17, 4, dir.filePath("tips.txt"));
    EXPECT_EQ(ticker.getText(), tips);
    // From the right edge, four pixels a tick, the second tip in yellow.
    const int first = QFontMetrics(ticker.font()).horizontalAdvance(QStringLiteral("first"));
    for (int i = 0; i < (first + 10) / 4 + 1; ++i)
        tick(ticker);
    EXPECT_GE(leftColumnOf(grabbed(ticker), QColor(255, 255, 43)), 0);
    EXPECT_GE(leftColumnOf(grabbed(ticker), QColor(255, 255, 255)), 0);
    EXPECT_EQ(ticker_probe::pixelsPerTick(ticker), 4);
}

TEST(TickerControl, FontIsMadeOnlyBySetFontSize)
{
    TickerControl ticker;
    EXPECT_EQ(ticker.font().family(), QStringLiteral("Comic Sans MS"));
    ticker.setFontName("WenQuanYi Micro Hei");
    EXPECT_EQ(ticker.font().family(), QStringLiteral("Comic Sans MS"));
    ticker.setFontSize(17);
    EXPECT_EQ(ticker.font().family(), QStringLiteral("WenQuanYi Micro Hei"));
    // A positive height is the whole character cell.
    EXPECT_LE(QFontMetrics(ticker.font()).height(), 17 + 1);
    EXPECT_GE(QFontMetrics(ticker.font()).height(), 17 - 2);
}

TEST(TickerControl, AScreenReaderReadsTheSegmentsInView)
{
    TickerControl ticker;
    startHeld(ticker, "|first|\xB5\xD8\xCC\xFA|the last tip|");
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(&ticker);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->text(QAccessible::Value), QString()) << "the text waits at the right edge";

    moveToColumnTen(ticker);
    const QFontMetrics metrics(ticker.font());
    const int first = metrics.horizontalAdvance(QStringLiteral("first"));
    const int second = metrics.horizontalAdvance(QStringLiteral("地铁"));
    ASSERT_LT(10 + first + second, 400);
    EXPECT_EQ(strip->text(QAccessible::Value),
              QStringLiteral("first 地铁 the last tip"));

    // The first segment's last column leaves the strip.
    ticker.setStep(first + 10);
    tick(ticker);
    EXPECT_EQ(strip->text(QAccessible::Value), QStringLiteral("地铁 the last tip"));
    ticker.setStep(second);
    tick(ticker);
    EXPECT_EQ(strip->text(QAccessible::Value), QStringLiteral("the last tip"));
}
