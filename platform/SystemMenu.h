#pragma once
// The menu of a window's title bar (the system menu), where the desktop lets a program add to
// it: Windows. Elsewhere the window manager owns that menu and nothing is added.

#include <QByteArray>
#include <QString>
#include <optional>

class QWidget;

namespace platform {

// Appends a separator and an item `text` with the command `commandId` (below 0xF000, a multiple
// of 16) to the system menu of `window`. False where the desktop has no such menu for programs.
bool appendSystemMenuItem(QWidget* window, int commandId, const QString& text);

// The command that a native event of a window carries when the player chose an item of its
// system menu (WM_SYSCOMMAND on Windows); nothing for any other event, and elsewhere.
std::optional<int> systemCommand(const QByteArray& eventType, void* message);

} // namespace platform
