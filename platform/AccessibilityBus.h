#pragma once
// The game on the desktop's accessibility bus: there from the start, so that a screen reader
// started later finds it, and kept up whatever a client on the bus asks.

namespace platform {

// Before the application object is made: Qt 6.4 looks at the bus only when the program
// starts, and would stay unseen by a screen reader started after the game.
void stayOnAccessibilityBus();

// After the application object is made: our controls' interfaces, and the guard that answers
// the one request Qt 6.4 cannot (Properties.GetAll, which crashes its bridge) before the
// bridge sees it. Calling it again changes nothing.
void installAccessibility();

} // namespace platform
