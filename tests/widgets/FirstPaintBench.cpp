// First paints after a change of size or font: the costly moment for the curved displays,
// whose outlines are fitted afresh for every new cell size, and for the ticker, whose
// gradient and prepared texts are remade. Each beside a bare fill in the same run.

#include "platform/Gbk.h"
#include "widgets/SegmentDisplay.h"
#include "widgets/TickerControl.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

using namespace widgets;

namespace {

// The game window's dialog units: a quarter of the average character width across,
// an eighth of the character height down.
struct DialogUnits {
    int baseX;
    int baseY;
    int x(int units) const { return units * baseX / 4; }
    int y(int units) const { return units * baseY / 8; }
};

DialogUnits dialogUnits()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    const QFontMetrics metrics(font);
    return {metrics.averageCharWidth(), metrics.height()};
}

// Cash, savings, debt, health, inside their one-pixel sunken frames.
std::array<QSize, 4> gameDisplaySizes()
{
    const DialogUnits u = dialogUnits();
    return {QSize(u.x(120) - 2, u.y(20) - 2), QSize(u.x(120) - 2, u.y(20) - 2),
            QSize(u.x(120) - 2, u.y(19) - 2), QSize(u.x(45) - 2, u.y(21) - 2)};
}

// Each timed paint is the first at the game size: an untimed paint one pixel narrower comes
// before it, so nothing fitted for the game size survives.
void firstPaintsAfterResize(benchmark::State& state, std::uint32_t style)
{
    const char* const figures[4] = {"2000", "0", "5400", "100"};
    const auto sizes = gameDisplaySizes();
    std::array<std::unique_ptr<SegmentDisplay>, 4> displays;
    std::array<QImage, 4> targets;
    for (int i = 0; i < 4; ++i) {
        displays[i] = std::make_unique<SegmentDisplay>(nullptr, style);
        displays[i]->resize(sizes[i] + QSize(2, 2));
        displays[i]->SetText(figures[i]);
        targets[i] = QImage(sizes[i], QImage::Format_RGB32);
    }
    displays[2]->SetSegmentColors(0, 0xF0);
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
    const auto sizes = gameDisplaySizes();
    std::array<QImage, 4> targets;
    for (int i = 0; i < 4; ++i)
        targets[i] = QImage(sizes[i], QImage::Format_RGB32);
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

QSize gameTickerSize()
{
    const DialogUnits u = dialogUnits();
    return QSize(u.x(390), u.y(20));
}

std::unique_ptr<TickerControl> runningTicker(const QSize& size)
{
    auto ticker = std::make_unique<TickerControl>();
    ticker->resize(size);
    ticker->setText(platform::utf8ToGbk(
        "|欢迎来到北京，您有四十天时间。|村长的债每天涨百分之八，早还早安心。"
        "|银行存款每天有百分之一的利息。|出租屋最多只能放一百件货物。|"));
    ticker->setColours(0xFFFFFF, 0x2BFFFF);
    ticker->setFontName(QStringLiteral("Comic Sans MS"));
    ticker->setFontSize(17);
    ticker->start();
    ticker->pause();
    ticker->setStep(2);
    for (int i = 0; i < 100; ++i)
        ticker->scrollOneStep(); // text across the strip, not waiting at its right edge
    return ticker;
}

// Font height alternating 17 and 18: every timed frame draws freshly prepared texts.
void BM_TickerFirstPaintAfterFontSize(benchmark::State& state)
{
    const QSize size = gameTickerSize();
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
    const QSize size = gameTickerSize();
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
