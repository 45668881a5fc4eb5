#include "platform/AccessibleText.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>

namespace platform {

namespace {

// Offsets that Qt's text interface takes for places rather than characters.
constexpr int kAtCaret = -2;
constexpr int kAtEnd = -1;

// The text interface of a control whose text a reader reads but does not edit: no caret, no
// selection, the characters sharing the control's area evenly.
class ReadOnlyTextInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;

    // The whole text, and what is in view now (the control's value).
    virtual QString shownText() const = 0;
    virtual QString valueText() const { return shownText(); }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? valueText() : QAccessibleWidget::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return QString();
        return shownText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shownText().size()); }
    QRect characterRect(int offset) const override
    {
        const int count = characterCount();
        if (offset < 0 || offset >= count)
            return {};
        const QRect area = rect();
        const int left = area.left() + area.width() * offset / count;
        const int right = area.left() + area.width() * (offset + 1) / count;
        return QRect(left, area.top(), std::max(right - left, 1), area.height());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QRect area = rect();
        if (!area.contains(point) || area.width() <= 0)
            return -1;
        return std::min(characterCount() - 1, (point.x() - area.left()) * characterCount() / area.width());
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }
    // Qt 6.4's own lookup never returns when asked for a word or sentence at the very end of a
    // text (the caret after the last word, where word-by-word reading stops): there it answers
    // with the item the text ends with.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override
    {
        const int length = characterCount();
        if (offset == kAtCaret)
            offset = cursorPosition();
        if (offset == kAtEnd)
            offset = length;
        const bool wordOrSentence = boundary == QAccessible::WordBoundary || boundary == QAccessible::SentenceBoundary;
        if (wordOrSentence && length > 0 && offset >= length)
            offset = length - 1;
        return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
    }
};

// A display or the ticker; a display's figure reads as a number too.
class ReadableTextInterface : public ReadOnlyTextInterface, public QAccessibleValueInterface {
public:
    ReadableTextInterface(QWidget* control, ReadableText& readable)
        : ReadOnlyTextInterface(control, QAccessible::StaticText), readable_(readable)
    {
    }

    QString shownText() const override { return readable_.readableText(); }
    QString valueText() const override { return readable_.textInView(); }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && readable_.showsFigure())
            return static_cast<QAccessibleValueInterface*>(this);
        return ReadOnlyTextInterface::interface_cast(type);
    }

    QVariant currentValue() const override
    {
        bool number = false;
        const qlonglong figure = shownText().toLongLong(&number);
        return number ? QVariant(figure) : QVariant();
    }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return QVariant(); }
    QVariant minimumValue() const override { return QVariant(); }
    QVariant minimumStepSize() const override { return QVariant(); }

private:
    ReadableText& readable_;
};

// A line edit as Qt reads it, but for the word at the end of its text. Its text is read as a
// shown text's; the caret, the selection and the characters' places are the edit's own.
class LineEditInterface : public ReadOnlyTextInterface, public QAccessibleEditableTextInterface {
public:
    explicit LineEditInterface(QLineEdit* edit) : ReadOnlyTextInterface(edit, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
    QString shownText() const override { return edit()->text(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return ReadOnlyTextInterface::interface_cast(type);
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
        return QAccessibleTextInterface::textBeforeOffset(offset == kAtCaret ? cursorPosition() : offset, boundary,
                                                          startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override
    {
        return QAccessibleTextInterface::textAfterOffset(offset == kAtCaret ? cursorPosition() : offset, boundary,
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

QAccessibleInterface* textInterfaceFor(const QString&, QObject* object)
{
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        return new LineEditInterface(edit);
    auto* control = qobject_cast<QWidget*>(object);
    if (auto* readable = dynamic_cast<ReadableText*>(object); control && readable)
        return new ReadableTextInterface(control, *readable);
    return nullptr;
}

} // namespace

void installTextInterfaces()
{
    QAccessible::installFactory(textInterfaceFor);
}

void announceTextChange(QWidget* control, const QString& before)
{
    // Without a screen reader listening there is no one to tell.
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
    if (!reader)
        return;
    const QString now = reader->text(QAccessible::Value);
    QAccessibleValueChangeEvent changed(control, now);
    QAccessible::updateAccessibility(&changed);
    QAccessibleTextUpdateEvent replaced(control, 0, before, now);
    QAccessible::updateAccessibility(&replaced);
}

} // namespace platform
