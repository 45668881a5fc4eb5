#include "widgets/Accessible.h"

#include "platform/AccessibleText.h"
#include "platform/Gbk.h"
#include "widgets/SegmentDisplay.h"
#include "widgets/TickerControl.h"

#include <QAccessibleWidget>

namespace widgets {

namespace {

// A display reads as its label (the accessible name its window sets) and its figure, both as
// text and as a number, so that a screen reader's review and its value readers find it.
class DisplayInterface : public QAccessibleWidget, public platform::ShownTextInterface, public QAccessibleValueInterface {
public:
    explicit DisplayInterface(SegmentDisplay* display) : QAccessibleWidget(display, QAccessible::StaticText) {}

    QString shownText() const override { return platform::fromGbk(static_cast<SegmentDisplay*>(widget())->text()); }
    QRect shownArea() const override { return rect(); }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? shownText() : QAccessibleWidget::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
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
};

// The ticker reads as all its tips, one after the other; its value is what is in view now.
// It sends no events as it scrolls: a reader would hear of it twenty-five times a second.
class TickerInterface : public QAccessibleWidget, public platform::ShownTextInterface {
public:
    explicit TickerInterface(TickerControl* ticker) : QAccessibleWidget(ticker, QAccessible::StaticText) {}

    TickerControl* ticker() const { return static_cast<TickerControl*>(widget()); }
    QString shownText() const override { return ticker()->allSegments(); }
    QRect shownArea() const override { return rect(); }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? ticker()->textInView() : QAccessibleWidget::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    if (auto* display = qobject_cast<SegmentDisplay*>(object))
        return new DisplayInterface(display);
    if (auto* ticker = qobject_cast<TickerControl*>(object))
        return new TickerInterface(ticker);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(interfaceFor);
}

void announceTextChange(QWidget* control, const std::string& gbkBefore)
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
    QAccessibleTextUpdateEvent replaced(control, 0, platform::fromGbk(gbkBefore), now);
    QAccessible::updateAccessibility(&replaced);
}

} // namespace widgets
