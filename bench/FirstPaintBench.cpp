// First paints after a change of size or font: the costly moment for the curved displays,
// whose outlines are fitted afresh for every new cell size, and for the ticker, whose
// gradient and prepared texts are remade. Each beside a bare fill in the same run.

#include "GameControls.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace widgets;
using namespace bench;

namespace {

// Each timed paint is the first at the game size: an untimed paint one pixel narrower comes
// before it, so nothing fitted for the game size survives.
void firstPaintsAfterResize(benchmark::State& state, std::uint32_t style)
{
    const auto sizes = displaySizes();
    auto displays = gameDisplays(style);
    auto targets = displayTargets();
    auto paintAll = [&](int narrower) {
        for (int i = 0; i < 4; ++i) {
            QPainter painter(&targets[i]);
            displays[i]->paintContents(
                painter, QRect(0, 0, sizes[i].width() - narrower, sizes[i].height()));
        }
    };
    for (auto _ : state) {
        state.PauseTiming();
        paintAll(1);
        state.ResumeTiming();
        paintAll(0);
    }
    state.SetLabel(QStringLiteral("%1x%2 %3x%4 %5x%6 %7x%8")
                       .arg(sizes[0].width()).arg(sizes[0].height())
                       .arg(sizes[1].width()).arg(sizes[1].height())
                       .arg(sizes[2].width()).arg(sizes[2].height())
                       .arg(sizes[3].width()).arg(sizes[3].height())
                       .toStdString());
}

void BM_DisplaysFirstPaintAfterResizeStraight(benchmark::State& state)
{
    firstPaintsAfterResize(state, KeepAspect);
}
BENCHMARK(BM_DisplaysFirstPaintAfterResizeStraight)->Unit(benchmark::kMicrosecond);

void BM_DisplaysFirstPaintAfterResizeCurved(benchmark::State& state)
{
    firstPaintsAfterResize(state, KeepAspect | CurvedOutlines);
}
BENCHMARK(BM_DisplaysFirstPaintAfterResizeCurved)->Unit(benchmark::kMicrosecond);

// The same four areas filled and nothing else, with the same pauses around them.
void BM_DisplaysFirstPaintBareFill(benchmark::State& state)
{
    const auto sizes = displaySizes();
    auto targets = displayTargets();
    for (auto _ : state) {
        state.PauseTiming();
        state.ResumeTiming();
        for (int i = 0; i < 4; ++i) {
            QPainter painter(&targets[i]);
            painter.fillRect(QRect(QPoint(0, 0), sizes[i]), Qt::black);
        }
    }
}
BENCHMARK(BM_DisplaysFirstPaintBareFill)->Unit(benchmark::kMicrosecond);

// Font height alternating 17 and 18: every timed frame draws freshly prepared texts.
void BM_TickerFirstPaintAfterFontSize(benchmark::State& state)
{
    const QSize size = tickerSize();
    auto ticker = runningTicker(size);
    QImage target(size, QImage::Format_RGB32);
    int height = 17;
    for (auto _ : state) {
        height = height == 17 ? 18 : 17;
        ticker->setFontSize(height);
        QPainter painter(&target);
        ticker->paintStrip(painter);
    }
}
BENCHMARK(BM_TickerFirstPaintAfterFontSize)->Unit(benchmark::kMicrosecond);

// Width alternating by a pixel and the strip restarted: the gradient and frame are remade.
void BM_TickerFirstPaintAfterResize(benchmark::State& state)
{
    const QSize size = tickerSize();
    auto ticker = runningTicker(size);
    QImage target(size, QImage::Format_RGB32);
    bool narrower = false;
    for (auto _ : state) {
        narrower = !narrower;
        ticker->resize(size - QSize(narrower ? 1 : 0, 0));
        ticker->start();
        ticker->pause();
        ticker->scrollOneStep();
        QPainter painter(&target);
        ticker->paintStrip(painter);
    }
}
BENCHMARK(BM_TickerFirstPaintAfterResize)->Unit(benchmark::kMicrosecond);

} // namespace
