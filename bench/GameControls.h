#pragma once
// The game window's custom controls as the benchmarks paint them: at the sizes the window's
// template gives them in its own dialog font, with the game's figures, colours and tips.

#include "platform/DialogUnits.h"
#include "platform/Gbk.h"
#include "widgets/SegmentDisplay.h"
#include "widgets/TickerControl.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QSize>
#include <QTimerEvent>
#include <array>
#include <memory>

namespace bench {

inline platform::DialogUnits gameUnits()
{
    return platform::DialogUnits(platform::dialogFont(8));
}

inline QSize tickerSize()
{
    const platform::DialogUnits u = gameUnits();
    return QSize(u.toPixelsX(390), u.toPixelsY(20));
}

// Cash, savings, debt, health: the areas inside their one-pixel sunken frames.
inline std::array<QSize, 4> displaySizes()
{
    const platform::DialogUnits u = gameUnits();
    return {QSize(u.toPixelsX(120) - 2, u.toPixelsY(20) - 2), QSize(u.toPixelsX(120) - 2, u.toPixelsY(20) - 2),
            QSize(u.toPixelsX(120) - 2, u.toPixelsY(19) - 2), QSize(u.toPixelsX(45) - 2, u.toPixelsY(21) - 2)};
}

inline const char* const kOpeningFigures[4] = {"2000", "0", "5400", "100"};

// The four displays at their sizes showing the opening figures, the debt display in red.
inline std::array<std::unique_ptr<widgets::SegmentDisplay>, 4> gameDisplays(std::uint32_t style)
{
    const auto sizes = displaySizes();
    std::array<std::unique_ptr<widgets::SegmentDisplay>, 4> displays;
    for (int i = 0; i < 4; ++i) {
        displays[i] = std::make_unique<widgets::SegmentDisplay>(nullptr, style);
        displays[i]->resize(sizes[i] + QSize(2, 2));
        displays[i]->SetText(kOpeningFigures[i]);
    }
    displays[2]->SetBackgroundColor(0);
    displays[2]->SetSegmentColors(0, 0xF0);
    return displays;
}

// Images the size of the displays with their frames, to render them into.
inline std::array<QImage, 4> displayTargets()
{
    const auto sizes = displaySizes();
    std::array<QImage, 4> targets;
    for (int i = 0; i < 4; ++i)
        targets[i] = QImage(sizes[i] + QSize(2, 2), QImage::Format_RGB32);
    return targets;
}

// One tick of the strip's timer, sent by hand: the benchmarks never run the event loop.
inline void tick(widgets::TickerControl& ticker)
{
    const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&ticker);
    if (timers.isEmpty())
        return;
    QTimerEvent event(timers.first().timerId);
    QCoreApplication::sendEvent(&ticker, &event);
}

// A ticker with tips in the game's colours and font, started and scrolled until its text
// lies across the strip rather than waiting at the right edge.
inline std::unique_ptr<widgets::TickerControl> runningTicker(const QSize& size)
{
    auto ticker = std::make_unique<widgets::TickerControl>();
    ticker->resize(size);
    ticker->setText(platform::utf8ToGbk(
        "|欢迎来到北京，您有四十天时间。|村长的债每天涨百分之八，早还早安心。"
        "|银行存款每天有百分之一的利息。|出租屋最多只能放一百件货物。|"));
    ticker->setColours(0xFFFFFF, 0x2BFFFF);
    ticker->setFontName(QStringLiteral("Comic Sans MS"));
    ticker->setFontSize(17);
    ticker->start();
    ticker->setStep(2);
    for (int i = 0; i < 100; ++i)
        tick(*ticker);
    return ticker;
}

} // namespace bench
