#include "platform/MessageBox.h"

#include "platform/AppFiles.h"
#include "platform/Desktop.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

QWidget* defaultOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

int execReturningFocus(QDialog& dialog)
{
    const int result = dialog.exec();
    QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    if (owner && owner->isVisible()) {
        if (!activationIsARequest())
            owner->activateWindow();
        if (QWidget* focus = owner->focusWidget())
            focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return result;
}

void messageBox(QWidget* owner, const QString& text, MessageIcon icon)
{
    QMessageBox box(owner ? owner : defaultOwner());
    box.setWindowTitle(applicationTitle());
    box.setText(text);
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    execReturningFocus(box);
}

} // namespace platform
