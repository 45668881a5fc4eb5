// Paint costs of the game window's custom controls at their game sizes, each beside a bare
// fill of the same area so the figures can be read against the machine's own fill speed.

#include "platform/Gbk.h"
#include "widgets/SegmentDisplay.h"
#include "widgets/TickerControl.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

using namespace widgets;

namespace {

// Dialog units of the window's font: x is a quarter of the average character width,
// y an eighth of the character height.
struct DialogScale {
    int baseX;
    int baseY;
    int x(int units) const { return units * baseX / 4; }
    int y(int units) const { return units * baseY / 8; }
};

DialogScale dialogScale()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    const QFontMetrics metrics(font);
    return {metrics.averageCharWidth(), metrics.height()};
}

QSize tickerSize()
{
    const DialogScale s = dialogScale();
    return QSize(s.x(390), s.y(20));
}

// cash, savings, debt, health; the sunken frame takes a pixel on each side.
std::array<QSize, 4> displaySizes()
{
    const DialogScale s = dialogScale();
    return {QSize(s.x(120) - 2, s.y(20) - 2), QSize(s.x(120) - 2, s.y(20) - 2),
            QSize(s.x(120) - 2, s.y(19) - 2), QSize(s.x(45) - 2, s.y(21) - 2)};
}

const char* const openingFigures[4] = {"2000", "0", "5400", "100"};

void BM_TickerPaint(benchmark::State& state)
{
    const QSize size = tickerSize();
    TickerControl ticker;
    ticker.resize(size);
    ticker.setText(platform::utf8ToGbk(
        "|欢迎来到北京，您有四十天时间。|村长的债每天涨百分之八，早还早安心。"
        "|银行存款每天有百分之一的利息。|出租屋最多只能放一百件货物。|"));
    ticker.setColours(0xFFFFFF, 0x2BFFFF);
    ticker.setFontName(QStringLiteral("Comic Sans MS"));
    ticker.setFontSize(17);
    ticker.start();
    ticker.pause();
    ticker.setStep(2);
    QImage target(size, QImage::Format_RGB32);
    for (int i = 0; i < 100; ++i)
        ticker.scrollOneStep(); // text across the strip, not waiting at its right edge
    for (auto _ : state) {
        ticker.scrollOneStep();
        QPainter painter(&target);
        ticker.paintStrip(painter);
    }
    state.SetLabel(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
}
BENCHMARK(BM_TickerPaint)->Unit(benchmark::kMicrosecond);

void BM_TickerBareFill(benchmark::State& state)
{
    const QSize size = tickerSize();
    QImage target(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.fillRect(QRect(QPoint(0, 0), size), QColor(50, 180, 0));
    }
}
BENCHMARK(BM_TickerBareFill)->Unit(benchmark::kMicrosecond);

enum class Before {
    Nothing,       // a plain repaint, as after an expose
    FigureChange,  // all four figures changed: glyphs rebuilt, cells of a known layout reused
    LayoutChange,  // the area changed by a pixel: every cell is laid out and fitted afresh
};

void paintDisplays(benchmark::State& state, std::uint32_t style, Before before = Before::Nothing)
{
    const bool changing = before == Before::FigureChange;
    const int shrink[2] = {0, before == Before::LayoutChange ? 1 : 0};
    const char* const laterFigures[4] = {"1999", "10", "5832", "99"};
    bool flip = false;
    const auto sizes = displaySizes();
    std::array<std::unique_ptr<SegmentDisplay>, 4> displays;
    std::array<QImage, 4> targets;
    for (int i = 0; i < 4; ++i) {
        displays[i] = std::make_unique<SegmentDisplay>(nullptr, style);
        displays[i]->resize(sizes[i] + QSize(2, 2));
        displays[i]->SetText(openingFigures[i]);
        targets[i] = QImage(sizes[i], QImage::Format_RGB32);
    }
    displays[2]->SetBackgroundColor(0);
    displays[2]->SetSegmentColors(0, 0xF0);
    for (auto _ : state) {
        if (changing) {
            flip = !flip;
            for (int i = 0; i < 4; ++i)
                displays[i]->SetText(flip ? laterFigures[i] : openingFigures[i]);
        }
        for (int i = 0; i < 4; ++i) {
            QPainter painter(&targets[i]);
            displays[i]->paintContents(painter,
                                       QRect(0, 0, sizes[i].width() - shrink[flip], sizes[i].height()));
        }
        if (before == Before::LayoutChange)
            flip = !flip;
    }
}

void BM_DisplaysPaintStraight(benchmark::State& state)
{
    paintDisplays(state, KeepAspect);
}
BENCHMARK(BM_DisplaysPaintStraight)->Unit(benchmark::kMicrosecond);

void BM_DisplaysPaintCurved(benchmark::State& state)
{
    paintDisplays(state, KeepAspect | CurvedOutlines);
}
BENCHMARK(BM_DisplaysPaintCurved)->Unit(benchmark::kMicrosecond);

void BM_DisplaysPaintStraightAfterChange(benchmark::State& state)
{
    paintDisplays(state, KeepAspect, Before::FigureChange);
}
BENCHMARK(BM_DisplaysPaintStraightAfterChange)->Unit(benchmark::kMicrosecond);

void BM_DisplaysPaintCurvedAfterChange(benchmark::State& state)
{
    paintDisplays(state, KeepAspect | CurvedOutlines, Before::FigureChange);
}
BENCHMARK(BM_DisplaysPaintCurvedAfterChange)->Unit(benchmark::kMicrosecond);

void BM_DisplaysPaintStraightNewLayout(benchmark::State& state)
{
    paintDisplays(state, KeepAspect, Before::LayoutChange);
}
BENCHMARK(BM_DisplaysPaintStraightNewLayout)->Unit(benchmark::kMicrosecond);

void BM_DisplaysPaintCurvedNewLayout(benchmark::State& state)
{
    paintDisplays(state, KeepAspect | CurvedOutlines, Before::LayoutChange);
}
BENCHMARK(BM_DisplaysPaintCurvedNewLayout)->Unit(benchmark::kMicrosecond);

void BM_DisplaysBareFill(benchmark::State& state)
{
    const auto sizes = displaySizes();
    std::array<QImage, 4> targets;
    for (int i = 0; i < 4; ++i)
        targets[i] = QImage(sizes[i], QImage::Format_RGB32);
    for (auto _ : state) {
        for (int i = 0; i < 4; ++i) {
            QPainter painter(&targets[i]);
            painter.fillRect(QRect(QPoint(0, 0), sizes[i]), Qt::black);
        }
    }
    const QSize s = sizes[0];
    state.SetLabel(QStringLiteral("%1x%2 ...").arg(s.width()).arg(s.height()).toStdString());
}
BENCHMARK(BM_DisplaysBareFill)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
