#pragma once
// What the desktop lets the program do with its own windows: give one of them the keyboard, or
// only ask for it; place them on the screen, or leave that to the compositor.

namespace platform {

// True where a window's activation is a request that the compositor answers later (Wayland).
// By the time the answer comes, the next dialog may be open, and the answer would take the
// keyboard from it; such a desktop hands the keyboard back to the owner of a closed dialog itself.
bool activationIsARequest();

// False where only the compositor places top-level windows (Wayland): a window of ours moved
// later stays where it first appeared.
bool programPlacesItsWindows();

// Qt 6.4's Wayland plugin asks for the focused window's activation whenever the focus moves
// from one widget to another, even within one window. Once, after the application object exists.
void stopActivationRequestsOnFocusMoves();

} // namespace platform
