#include "platform/SystemMenu.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {

#ifdef Q_OS_WIN
bool appendSystemMenuItem(QWidget* window, int commandId, const QString& text)
{
    const HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(window->window()->winId()), FALSE);
    if (!menu || text.isEmpty())
        return false;
    return ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr) &&
           ::AppendMenuW(menu, MF_STRING, UINT_PTR(commandId), reinterpret_cast<const wchar_t*>(text.utf16()));
}

std::optional<int> systemCommand(const QByteArray& eventType, void* message)
{
    if (eventType != "windows_generic_MSG")
        return std::nullopt;
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_SYSCOMMAND)
        return std::nullopt;
    return int(msg->wParam);
}
#else
bool appendSystemMenuItem(QWidget*, int, const QString&)
{
    return false;
}

std::optional<int> systemCommand(const QByteArray&, void*)
{
    return std::nullopt;
}
#endif

} // namespace platform
