#include "platform/Desktop.h"

#include <QGuiApplication>

namespace platform {

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

bool activationIsARequest()
{
    return onWayland();
}

bool programPlacesItsWindows()
{
    return !onWayland();
}

void stopActivationRequestsOnFocusMoves()
{
    // The plugin's request hangs on the application's focusObjectChanged with the application
    // itself as the receiver; no other part of Qt, and nothing of ours, connects it so. A Qt
    // whose plugin no longer asks leaves nothing here to disconnect.
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    if (onWayland())
        QObject::disconnect(qApp, &QGuiApplication::focusObjectChanged, qApp, nullptr);
#endif
}

} // namespace platform
