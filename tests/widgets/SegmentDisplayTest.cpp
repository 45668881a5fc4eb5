// The display as drawn: layout, colours, the default text, skipped characters, and
// repainting only when something changed.

#include "PixelHelpers.h"

#include "widgets/SegmentDisplay.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace widgets;
using widgets_test::at;
using widgets_test::grabbed;

namespace {

// The frame is one pixel on each side: a 242 x 42 display has 240 x 40 inside.
constexpr int Frame = 1;

QImage contentsOf(SegmentDisplay& display)
{
    return grabbed(display).copy(display.contentsRect());
}

class CountingDisplay : public SegmentDisplay {
public:
    using SegmentDisplay::SegmentDisplay;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        SegmentDisplay::paintEvent(event);
    }
};

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// Columns holding any pixel that differs from the background.
std::pair<int, int> inkColumns(const QImage& image, QRgb background)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != background) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace

TEST(SegmentDisplay, FiveFourZeroZeroLaysOutAsCentredCellsInLitAndUnlitGreen)
{
    SegmentDisplay display;
    display.resize(240 + 2 * Frame, 40 + 2 * Frame);
    display.SetText("5400");
    const QImage image = contentsOf(display);
    ASSERT_EQ(image.size(), QSize(240, 40));

    // First cell from x = 72.771; its outlines start 4 units in (75), the last cell's end
    // 44 units into the fourth cell (165); nothing else is drawn.
    EXPECT_EQ(inkColumns(image, qRgb(0, 0, 0)), std::make_pair(75, 165));
    EXPECT_EQ(at(image, 85, 3), QColor(0, 255, 0));  // inside the lit top bar of "5"
    EXPECT_EQ(at(image, 85, 2), QColor(0, 191, 0));  // its edge: the lit pen
    EXPECT_EQ(at(image, 92, 12), QColor(0, 52, 0));  // the unlit upper right of "5"
    EXPECT_EQ(at(image, 94, 12), QColor(0, 39, 0));  // its edge: the unlit pen
    EXPECT_EQ(at(image, 73, 20), QColor(0, 0, 0));
}

TEST(SegmentDisplay, DebtColoursAreRedOnBlackWithUnlitSegmentsInvisible)
{
    SegmentDisplay display;
    display.resize(240 + 2 * Frame, 40 + 2 * Frame);
    display.SetText("5400");
    display.SetBackgroundColor(0);
    display.SetSegmentColors(0, 0xF0);
    const QImage image = contentsOf(display);
    EXPECT_EQ(at(image, 85, 3), QColor(240, 0, 0));
    EXPECT_EQ(at(image, 85, 2), QColor(180, 0, 0));
    EXPECT_EQ(at(image, 92, 12), QColor(0, 0, 0));
    EXPECT_EQ(at(image, 94, 12), QColor(0, 0, 0));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = at(image, x, y);
            ASSERT_TRUE(c == QColor(0, 0, 0) || c == QColor(240, 0, 0) || c == QColor(180, 0, 0))
                << x << "," << y;
        }
}

TEST(SegmentDisplay, ColourWordsHoldRedInTheirLowByte)
{
    SegmentDisplay words;
    words.resize(120, 30);
    words.SetText("-12");
    words.SetBackgroundColor(rgb(10, 20, 30));
    words.SetSegmentColors(rgb(1, 2, 3), rgb(200, 100, 50));
    EXPECT_EQ(at(contentsOf(words), 0, 0), QColor(10, 20, 30));
}

TEST(SegmentDisplay, ShowsEmptyInFourteenSegmentLettersBeforeTheFirstText)
{
    SegmentDisplay fresh;
    EXPECT_EQ(fresh.text(), "EMPTY");
    const auto& glyphs = fresh.glyphs();
    ASSERT_EQ(glyphs.size(), 5u);
    const std::uint16_t masks[] = {10176, 6918, 13248, 8225, 4576}; // E M P T Y
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(glyphs[i].SegmentCount(), 14);
        EXPECT_EQ(glyphs[i].Mask(), masks[i]);
    }

    SegmentDisplay a, b;
    a.resize(200, 30);
    b.resize(200, 30);
    b.SetText("0");
    b.SetText("EMPTY");
    const QImage image = contentsOf(a);
    EXPECT_EQ(image, contentsOf(b));
    EXPECT_NE(inkColumns(image, qRgb(0, 0, 0)).first, -1);
}

TEST(SegmentDisplay, SkippedCharactersTakeNoRoomAndEmptyTextShowsOnlyTheBackground)
{
    SegmentDisplay plain, withSkips, empty;
    for (SegmentDisplay* d : {&plain, &withSkips, &empty})
        d->resize(160, 40);
    plain.SetText("54");
    withSkips.SetText("5,/#4\xB0\xA1"); // 啊 in GBK: two high bytes
    empty.SetText("");
    EXPECT_EQ(withSkips.glyphs().size(), 2u);
    EXPECT_EQ(contentsOf(plain), contentsOf(withSkips));
    const QImage blank = contentsOf(empty);
    EXPECT_EQ(inkColumns(blank, qRgb(0, 0, 0)).first, -1);
}

TEST(SegmentDisplay, KeepsTheUpperCasedTextAndTheDotCells)
{
    SegmentDisplay display;
    display.SetText("abc");
    display.glyphs();
    EXPECT_EQ(display.text(), "ABC");
    display.SetText("12:30");
    const auto& glyphs = display.glyphs();
    ASSERT_EQ(glyphs.size(), 5u);
    EXPECT_EQ(glyphs[2].Width(), 18);
    EXPECT_EQ(glyphs[2].Mask(), 3);
    display.SetText("3.5");
    EXPECT_EQ(display.glyphs()[1].Mask(), 4);
}

TEST(SegmentDisplay, RepaintsOnlyWhenTextOrColoursChange)
{
    CountingDisplay display;
    // Where the active and inactive colours differ (Windows), Qt repaints a window whose
    // activation changes, as when another test's window opens: that is not what is counted.
    QPalette palette = display.palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        palette.setBrush(QPalette::Inactive, QPalette::ColorRole(role), palette.brush(QPalette::Active, QPalette::ColorRole(role)));
    display.setPalette(palette);
    display.resize(120, 30);
    display.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&display));
    settle();

    auto paintsAfter = [&](auto change) {
        const int before = display.paints;
        change();
        settle();
        return display.paints - before;
    };
    EXPECT_EQ(paintsAfter([&] { display.SetText("12"); }), 1);
    EXPECT_EQ(paintsAfter([&] { display.SetText("12"); }), 0);
    EXPECT_EQ(paintsAfter([&] { display.SetSegmentColors(SegmentDisplay::kDefaultUnlitColor, SegmentDisplay::kDefaultLitColor); }), 0);
    EXPECT_EQ(paintsAfter([&] { display.SetBackgroundColor(0); }), 0);
    EXPECT_EQ(paintsAfter([&] { display.SetSegmentColors(0, 0xF0); }), 1);
    EXPECT_EQ(paintsAfter([&] { display.SetBackgroundColor(0x101010); }), 1);
    // Shown once, "abc" is stored as "ABC": the same lower-case text is a change.
    EXPECT_EQ(paintsAfter([&] { display.SetText("abc"); }), 1);
    EXPECT_EQ(paintsAfter([&] { display.SetText("abc"); }), 1);
    EXPECT_EQ(paintsAfter([&] { display.SetText("ABC"); }), 0);
    EXPECT_EQ(paintsAfter([&] { display.SetText(nullptr); }), 1);
    EXPECT_EQ(display.text(), "");
}

TEST(SegmentDisplay, CurvedStyleDrawsTheLeaningDigits)
{
    SegmentDisplay straight(nullptr, KeepAspect), curved(nullptr, KeepAspect | CurvedOutlines);
    for (SegmentDisplay* d : {&straight, &curved}) {
        d->resize(100, 85);
        d->SetText("8");
    }
    const QImage s = contentsOf(straight);
    const QImage c = contentsOf(curved);
    EXPECT_NE(s, c);
    // The cell spans x = 24.5 to 73.5: both styles keep inside it, lit green throughout.
    EXPECT_EQ(inkColumns(s, qRgb(0, 0, 0)), std::make_pair(25 + 4, 25 + 44));
    EXPECT_EQ(inkColumns(c, qRgb(0, 0, 0)), std::make_pair(25 + 4, 25 + 44));
    EXPECT_EQ(at(c, 25 + 24, 8), QColor(0, 255, 0)); // inside the curved top bar
}
