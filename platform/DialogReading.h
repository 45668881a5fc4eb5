#pragma once
// What a screen reader says of a dialog when it opens, and what it calls its edits.

class QWidget;

namespace platform {

// The dialog's texts, line by line from the top and left to right on a line, become its
// description, which a screen reader speaks when the dialog opens: readers pass over loose
// labels of fewer than three words, and a Chinese sentence has no blanks between its words.
void describeWithTexts(QWidget* dialog);

// Each edit is named after the label that stands to its left on the same line, as a sighted
// player reads it.
void nameEditsByTheirLabels(QWidget* dialog);

} // namespace platform
