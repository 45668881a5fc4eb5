#pragma once
// What a screen reader reads as text from our controls: those that only show a text (the
// displays, the ticker) and the line edits, whose own interface in Qt 6.4 would let the game
// hang.

#include <QString>

class QWidget;

namespace platform {

// A control that only shows a text: a screen reader reads it, reviews it on screen and hears
// of its changes, but cannot change it. Its characters share the control's area evenly, so a
// review finds the text by their places.
class ReadableText {
public:
    // All the text a reader reviews.
    virtual QString readableText() = 0;
    // What is in view now, the control's value: all of it unless the control scrolls.
    virtual QString textInView() { return readableText(); }
    // A figure is read as a number too.
    virtual bool showsFigure() const { return false; }

protected:
    ~ReadableText() = default;
};

// Tells a screen reader that what `control` shows has changed from `before`: as a new value
// and as replaced text.
void announceTextChange(QWidget* control, const QString& before);

// Lets Qt's accessibility give every ReadableText control and every line edit our text
// interface; once, at start-up (platform/AccessibilityBus).
void installTextInterfaces();

} // namespace platform
