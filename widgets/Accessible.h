#pragma once
// What a screen reader is told about the game window's own controls: a display gives its
// label (the accessible name its window sets) and the figure it shows, the ticker its tips.

#include <string>

class QWidget;

namespace widgets {

// Lets Qt's accessibility find the interfaces of SegmentDisplay and TickerControl. Each of
// them calls it when made; calling it again changes nothing.
void installAccessibleInterfaces();

// Tells assistive technology that what `control` shows has changed from `gbkBefore`: as a new
// value and as replaced text.
void announceTextChange(QWidget* control, const std::string& gbkBefore);

} // namespace widgets
