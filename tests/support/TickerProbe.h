#pragma once
// The ticker driven and read from outside, as the player sees it: whether its timer runs,
// whether it shows the bump border, where its text begins.

#include "widgets/TickerControl.h"

#include <QAbstractEventDispatcher>
#include <QColor>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QTimerEvent>
#include <gtest/gtest.h>

namespace ticker_probe {

// A scrolling strip has its one timer; a standing one has none.
inline bool scrolling(widgets::TickerControl& ticker)
{
    return !QAbstractEventDispatcher::instance()->registeredTimers(&ticker).isEmpty();
}

// Whether the window system knows no pointer but the test's synthetic moves. A real one (the
// Windows build's tests under Wine) tracks the system's own pointer, elsewhere on the screen,
// and tells the window it was left: a test of leaving the window then proves nothing.
inline bool onlySyntheticPointer()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

// The strip's timer ticked by hand, so that no event loop needs to run in between.
inline void tick(widgets::TickerControl& ticker)
{
    const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&ticker);
    ASSERT_EQ(timers.size(), 1) << "a running strip has its one timer";
    QTimerEvent event(timers.first().timerId);
    QCoreApplication::sendEvent(&ticker, &event);
}

inline QImage grabbedStrip(widgets::TickerControl& ticker)
{
    return ticker.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The bump border's outer ring lights the strip's left column in the palette's midlight;
// without a border the gradient's first band shows there.
inline bool bumped(widgets::TickerControl& ticker)
{
    const QImage image = grabbedStrip(ticker);
    return image.pixel(0, image.height() / 2) == ticker.palette().color(QPalette::Midlight).rgb();
}

// Leftmost column holding an exact `colour` pixel, the grip at the right end left out; or -1.
inline int leftColumnOf(const QImage& image, QColor colour)
{
    for (int x = 0; x < image.width() - 6; ++x)
        for (int y = 0; y < image.height(); ++y)
            if (QColor(image.pixel(x, y)) == colour)
                return x;
    return -1;
}

// How far one tick moves the text: its leftmost white column before and after.
inline int pixelsPerTick(widgets::TickerControl& ticker)
{
    const QColor white(255, 255, 255);
    const int before = leftColumnOf(grabbedStrip(ticker), white);
    tick(ticker);
    const int after = leftColumnOf(grabbedStrip(ticker), white);
    return before < 0 || after < 0 ? -1 : before - after;
}

} // namespace ticker_probe
