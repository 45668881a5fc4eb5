#include "widgets/Accessible.h"

#include "platform/Gbk.h"
#include "widgets/SegmentDisplay.h"
#include "widgets/TickerControl.h"

#include <QAccessibleWidget>

namespace widgets {

namespace {

// Read as static text; the value is what the control shows now.
class ShownTextInterface : public QAccessibleWidget {
public:
    explicit ShownTextInterface(QWidget* control) : QAccessibleWidget(control, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Value)
            return QAccessibleWidget::text(kind);
        if (auto* display = qobject_cast<SegmentDisplay*>(widget()))
            return platform::fromGbk(display->text());
        return static_cast<TickerControl*>(widget())->textInView();
    }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    if (qobject_cast<SegmentDisplay*>(object) || qobject_cast<TickerControl*>(object))
        return new ShownTextInterface(static_cast<QWidget*>(object));
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
