#include "platform/AccessibleText.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>

namespace platform {

QString textAtOffsetSafely(const QAccessibleTextInterface& text, int offset, QAccessible::TextBoundaryType boundary,
                           int* startOffset, int* endOffset)
{
    const int length = text.characterCount();
    if (offset == -2)
        offset = text.cursorPosition();
    if (offset == -1)
        offset = length;
    const bool wordOrSentence = boundary == QAccessible::WordBoundary || boundary == QAccessible::SentenceBoundary;
    if (wordOrSentence && length > 0 && offset >= length)
        offset = length - 1;
    return text.QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
}

QString ShownTextInterface::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return QString();
    return shownText().mid(startOffset, endOffset - startOffset);
}

QRect ShownTextInterface::characterRect(int offset) const
{
    const int count = characterCount();
    if (offset < 0 || offset >= count)
        return {};
    const QRect area = shownArea();
    const int left = area.left() + area.width() * offset / count;
    const int right = area.left() + area.width() * (offset + 1) / count;
    return QRect(left, area.top(), std::max(right - left, 1), area.height());
}

int ShownTextInterface::offsetAtPoint(const QPoint& point) const
{
    const QRect area = shownArea();
    if (!area.contains(point) || area.width() <= 0)
        return -1;
    return std::min(characterCount() - 1, (point.x() - area.left()) * characterCount() / area.width());
}

QString ShownTextInterface::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = offset;
    return QString();
}

namespace {

// A line edit as Qt reads it, but for the word at the end of its text. Its text is read as a
// shown text's; the caret, the selection and the characters' places are the edit's own.
class LineEditInterface : public QAccessibleWidget,
                          public ShownTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit LineEditInterface(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
    QString shownText() const override { return edit()->text(); }
    QRect shownArea() const override { return rect(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return edit()->text();
        return QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& text) override
    {
        if (kind == QAccessible::Value)
            edit()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        state.readOnly = edit()->isReadOnly();
        return state;
    }

    // Text.
    void selection(int index, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index != 0 || !edit()->hasSelectedText())
            return;
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int index) override
    {
        if (index == 0)
            edit()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0)
            edit()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QRect characterRect(int offset) const override
    {
        const QString all = edit()->text();
        if (offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics(edit()->font());
        const QRect area = edit()->contentsRect();
        const QRect cell(area.left() + metrics.horizontalAdvance(all.left(offset)), area.top(),
                         metrics.horizontalAdvance(all.mid(offset, 1)), metrics.height());
        return QRect(edit()->mapToGlobal(cell.topLeft()), cell.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int) override { edit()->setCursorPosition(startIndex); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override
    {
        return QAccessibleTextInterface::textBeforeOffset(offset == -2 ? cursorPosition() : offset, boundary,
                                                          startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override
    {
        return QAccessibleTextInterface::textAfterOffset(offset == -2 ? cursorPosition() : offset, boundary,
                                                         startOffset, endOffset);
    }

    // Editable text.
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
    }
};

QAccessibleInterface* lineEditInterface(const QString&, QObject* object)
{
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        return new LineEditInterface(edit);
    return nullptr;
}

} // namespace

void installLineEditInterface()
{
    QAccessible::installFactory(lineEditInterface);
}

} // namespace platform
