#pragma once
// The plain message box with one OK button, captioned with the executable's name.

#include <QString>

class QDialog;
class QWidget;

namespace platform {

enum class MessageIcon { None, Warning, Error };

// Modal; returns when the player has closed the box. With no owner, the active window owns it.
void messageBox(QWidget* owner, const QString& text, MessageIcon icon = MessageIcon::Warning);

// The window that owns a dialog opened without a parent: the top modal dialog, else the active window.
QWidget* defaultOwner();

// Runs `dialog` modally; when it closes, its owner is the active window again with the focus
// on the control that had it. A window manager would see to that, but not every X desktop has
// one; a Wayland compositor always does, and asking it would come too late.
int execReturningFocus(QDialog& dialog);

} // namespace platform
