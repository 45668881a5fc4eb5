// Paint costs of the game window's custom controls at their game sizes, each beside a bare
// fill of the same area so the figures can be read against the machine's own fill speed.
// Each paint renders the whole widget into an image, as its window's repaint would.

#include "GameControls.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace widgets;
using namespace bench;

namespace {

void BM_TickerPaint(benchmark::State& state)
{
    const QSize size = tickerSize();
    auto ticker = runningTicker(size);
    QImage target(size, QImage::Format_RGB32);
    for (auto _ : state) {
        tick(*ticker);
        ticker->render(&target);
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

// Font height alternating 17 and 18: every timed frame measures the text afresh.
void BM_TickerPaintAfterFontSize(benchmark::State& state)
{
    const QSize size = tickerSize();
    auto ticker = runningTicker(size);
    QImage target(size, QImage::Format_RGB32);
    int height = 17;
    for (auto _ : state) {
        height = height == 17 ? 18 : 17;
        ticker->setFontSize(height);
        ticker->render(&target);
    }
}
BENCHMARK(BM_TickerPaintAfterFontSize)->Unit(benchmark::kMicrosecond);

enum class Before {
    Nothing,       // a plain repaint, as after an expose
    FigureChange,  // all four figures changed: glyphs and their outlines rebuilt
    LayoutChange,  // the width changed by a pixel: every cell is laid out and fitted afresh
};

void paintDisplays(benchmark::State& state, std::uint32_t style, Before before = Before::Nothing)
{
    const char* const laterFigures[4] = {"1999", "10", "5832", "99"};
    bool flip = false;
    const auto sizes = displaySizes();
    auto displays = gameDisplays(style);
    auto targets = displayTargets();
    for (auto _ : state) {
        flip = !flip;
        for (int i = 0; i < 4; ++i) {
            if (before == Before::FigureChange)
                displays[i]->SetText(flip ? laterFigures[i] : kOpeningFigures[i]);
            if (before == Before::LayoutChange)
                displays[i]->resize(sizes[i] + QSize(flip ? 1 : 2, 2));
            displays[i]->render(&targets[i]);
        }
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
    auto targets = displayTargets();
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
