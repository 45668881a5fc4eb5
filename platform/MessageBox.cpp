#include "platform/MessageBox.h"

#include "platform/AppFiles.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

QWidget* defaultOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
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
    box.exec();
}

} // namespace platform
