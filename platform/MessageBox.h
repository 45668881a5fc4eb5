#pragma once
// The plain message box with one OK button, captioned with the executable's name.

#include <QString>

class QWidget;

namespace platform {

enum class MessageIcon { None, Warning, Error };

// Modal; returns when the player has closed the box. With no owner, the active window owns it.
void messageBox(QWidget* owner, const QString& text, MessageIcon icon = MessageIcon::Warning);

// The window that owns a dialog opened without a parent: the top modal dialog, else the active window.
QWidget* defaultOwner();

} // namespace platform
