#pragma once
// What a screen reader says of a dialog when it opens, what it calls its edits, and what it
// hears of a change that moves no focus.

class QWidget;

namespace platform {

// The dialog's texts, line by line from the top and left to right on a line, become its
// description, which a screen reader speaks when the dialog opens: readers pass over loose
// labels of fewer than three words, and a Chinese sentence has no blanks between its words.
void describeWithTexts(QWidget* dialog);

// Each edit is named after the label that stands to its left on the same line, as a sighted
// player reads it.
void nameEditsByTheirLabels(QWidget* dialog);

// A screen reader speaks `window` again, its name and description, while the keyboard stays
// where it is. Qt 6.4 has no announcement of its own, and it tells readers of a new name or
// description without the words; but readers speak a notification as it shows, after the
// window it stands in. The notification itself has no words, so nothing is said twice.
void retellWindow(QWidget* window);
// Makes the notification above one to screen readers; once, at start-up.
void installNoteInterface();

} // namespace platform
