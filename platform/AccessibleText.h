#pragma once
// What a screen reader reads as text from our controls: the text interface of a control that
// only shows a text, and the one of the line edits, which Qt 6.4's own would let hang the game.

#include <QAccessibleInterface>
#include <QString>

namespace platform {

// The word or sentence at `offset`. Qt 6.4's own lookup never returns when asked at the very
// end of a text (the caret after the last word, where word-by-word reading stops), so there
// it answers with the item the text ends with.
QString textAtOffsetSafely(const QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType boundary,
                           int* startOffset, int* endOffset);

// The text interface of a control that shows a text without a caret or a selection. Its
// characters share the control's area evenly: a screen reader's review finds the text on
// screen by their places.
class ShownTextInterface : public QAccessibleTextInterface {
public:
    virtual QString shownText() const = 0;
    // Where the text is shown, in screen coordinates.
    virtual QRect shownArea() const = 0;

    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return int(shownText().size()); }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override
    {
        return textAtOffsetSafely(*this, offset, boundary, startOffset, endOffset);
    }
};

// Lets Qt's accessibility give every line edit our text interface. Calling it again changes
// nothing.
void installLineEditInterface();

} // namespace platform
