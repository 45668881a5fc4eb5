#include "platform/AccessibilityBus.h"

#include "platform/AccessibleText.h"
#include "platform/DialogReading.h"

#include <QAccessible>
#include <QCoreApplication>

// The bridge to the accessibility bus is Linux's alone; its fault was seen in Qt 6.4.
#if defined(Q_OS_LINUX) && QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#define GAME_GUARDS_ACCESSIBILITY_BRIDGE 1
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QPointer>
#include <QTimer>
#endif

namespace platform {

#ifdef GAME_GUARDS_ACCESSIBILITY_BRIDGE
namespace {

// Where Qt's bridge answers for every accessible object of the program.
const QString kAccessiblePath = QStringLiteral("/org/a11y/atspi/accessible");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// Stands in front of Qt's bridge: Qt 6.4 reads a second argument of every Properties call,
// and GetAll has only one, so it reads past the end of the list and the game crashes. Such a
// call is refused here; everything else goes on to the bridge.
class BridgeGuard : public QDBusVirtualObject {
public:
    BridgeGuard(QDBusVirtualObject* bridge, QObject* parent) : QDBusVirtualObject(parent), bridge_(bridge) {}

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.interface() == kPropertiesInterface && message.arguments().size() < 2) {
            connection.send(message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.NotSupported"),
                                                     QStringLiteral("Ask for each property with Get.")));
            return true;
        }
        return bridge_ && bridge_->handleMessage(message, connection);
    }
    QString introspect(const QString& path) const override
    {
        return bridge_ ? bridge_->introspect(path) : QString();
    }

private:
    QPointer<QDBusVirtualObject> bridge_;
};

// Qt's bridge registers itself on the accessibility bus once it has found the bus; the guard
// takes its place there, at most once per connection.
void guardBridge()
{
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected())
        return;
    auto* bridge = qobject_cast<QDBusVirtualObject*>(bus.objectRegisteredAt(kAccessiblePath));
    if (!bridge || dynamic_cast<BridgeGuard*>(bridge))
        return;
    bus.unregisterObject(kAccessiblePath);
    auto* guard = new BridgeGuard(bridge, qApp);
    if (!bus.registerVirtualObject(kAccessiblePath, guard, QDBusConnection::SubPath)) {
        delete guard;
        bus.registerVirtualObject(kAccessiblePath, bridge, QDBusConnection::SubPath);
    }
}

class GuardWhenActive : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override
    {
        // The bridge registers right after it has told its observers.
        if (active)
            QTimer::singleShot(0, qApp, guardBridge);
    }
};

} // namespace
#endif

void stayOnAccessibilityBus()
{
#ifdef Q_OS_LINUX
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
#endif
}

void installAccessibility()
{
    // Every interface of ours, here and nowhere else.
    installTextInterfaces();
    installNoteInterface();
#ifdef GAME_GUARDS_ACCESSIBILITY_BRIDGE
    static GuardWhenActive observer;
    QAccessible::installActivationObserver(&observer);
    observer.accessibilityActiveChanged(QAccessible::isActive());
#endif
}

} // namespace platform
