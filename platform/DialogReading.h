#pragma once
// What a screen reader says of a dialog when it opens, what it calls its edits, and what it
// hears of a change that moves no focus.

class QString;
class QWidget;

namespace platform {

// The dialog's texts, line by line from the top and left to right on a line, become its
// description, which a screen reader speaks when the dialog opens: readers pass over loose
// labels of fewer than three words, and a Chinese sentence has no blanks between its words.
void describeWithTexts(QWidget* dialog);

// Each edit is named after the label that stands to its left on the same line, as a sighted
// player reads it.
void nameEditsByTheirLabels(QWidget* dialog);

// A screen reader speaks `text` at once, wherever the keyboard is in `window`, and the keyboard
// stays there. Qt 6.4 has no announcement of its own, and it tells readers of a new name or
// description without the text, so the words come as a notification of the window.
void announce(QWidget* window, const QString& text);

} // namespace platform
