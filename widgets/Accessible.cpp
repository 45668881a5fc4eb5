#include "widgets/Accessible.h"

#include "platform/Gbk.h"
#include "widgets/SegmentDisplay.h"
#include "widgets/TickerControl.h"

#include <QAccessibleWidget>

namespace widgets {

namespace {

class DisplayInterface : public QAccessibleWidget {
public:
    explicit DisplayInterface(SegmentDisplay* display) : QAccessibleWidget(display, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Value)
            return QAccessibleWidget::text(kind);
        return platform::fromGbk(static_cast<SegmentDisplay*>(widget())->text());
    }
};

class TickerInterface : public QAccessibleWidget {
public:
    explicit TickerInterface(TickerControl* ticker) : QAccessibleWidget(ticker, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Value)
            return QAccessibleWidget::text(kind);
        return static_cast<TickerControl*>(widget())->textInView();
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

void announceValueChange(QWidget* control)
{
    // Without a screen reader listening there is no one to tell.
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent changed(control, QAccessible::queryAccessibleInterface(control)->text(QAccessible::Value));
    QAccessible::updateAccessibility(&changed);
}

} // namespace widgets
