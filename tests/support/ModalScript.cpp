#include "ModalScript.h"

#include "platform/Gbk.h"
#include "platform/TemplateDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <QTimer>

ModalScript& ModalScript::then(Step step)
{
    steps_.push_back(std::move(step));
    return *this;
}

ModalScript& ModalScript::otherwise(Step step)
{
    fallback_ = std::move(step);
    return *this;
}

void ModalScript::run(const std::function<void()>& trigger)
{
    running_ = true;
    lastTop_ = nullptr;
    candidate_ = nullptr;
    QTimer::singleShot(0, &timerContext_, [this] { poll(); });
    trigger();
    running_ = false;
}

void ModalScript::poll()
{
    if (!running_)
        return;
    // A fresh timer for every poll: a running timer does not fire again inside the nested loop
    // of a dialog its own step opened.
    QTimer::singleShot(5, &timerContext_, [this] { poll(); });

    QWidget* top = QApplication::activeModalWidget();
    // A dialog is answered once it has stayed on top for one poll: the owner of a dialog that
    // has just closed is on top for a moment, until the loop of the closed one has ended, and
    // may close itself then (on a real window system that moment can reach a poll).
    const bool settled = top == candidate_;
    candidate_ = top;
    if (!top || !top->isVisible() || top == lastTop_ || !settled)
        return;
    lastTop_ = top;
    if (steps_.empty() && fallback_) {
        fallback_(top);
        return;
    }
    if (steps_.empty()) {
        unexpected_.append(windowTitleOf(top) + QStringLiteral(": ") + textOf(top));
        if (auto* dialog = qobject_cast<QDialog*>(top))
            dialog->reject();
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(top);
}

QString windowTitleOf(QWidget* dialog)
{
    return dialog ? dialog->windowTitle() : QString();
}

QString textOf(QWidget* dialog, int controlId)
{
    if (auto* box = qobject_cast<QMessageBox*>(dialog))
        return box->text();
    if (auto* templated = qobject_cast<platform::TemplateDialog*>(dialog)) {
        if (controlId != 0)
            return templated->controlText(controlId);
        // The message of the two message dialogs.
        return templated->controlText(1052);
    }
    return QString();
}

std::string gbkTextOf(QWidget* dialog, int controlId)
{
    return platform::toGbk(textOf(dialog, controlId));
}

void pointerAt(QWidget* over, Pointer action, QPoint local, Qt::MouseButton button)
{
    if (local == QPoint(-1, -1))
        local = over->rect().center();
    QWindow* window = over->window()->windowHandle();
    const QPoint at = over->mapTo(over->window(), local);
    switch (action) {
    case Pointer::Press: QTest::mousePress(window, button, {}, at); break;
    case Pointer::Release: QTest::mouseRelease(window, button, {}, at); break;
    case Pointer::Click: QTest::mouseClick(window, button, {}, at); break;
    case Pointer::DoubleClick: QTest::mouseDClick(window, button, {}, at); break; // both clicks
    case Pointer::Move: QTest::mouseMove(window, at); break;
    }
}

void pressKey(QWidget* dialog, Qt::Key key)
{
    // Straight to the control with the focus, where the window would send it. Through the
    // window, QTest spins the event loop inside each key and the script's polls with it.
    QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, key);
}

void clickButton(QWidget* dialog, int controlId)
{
    if (auto* templated = qobject_cast<platform::TemplateDialog*>(dialog)) {
        if (QPushButton* button = templated->button(controlId)) {
            pointerAt(button, Pointer::Click);
            return;
        }
    }
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        if (QAbstractButton* button = box->button(QMessageBox::Ok)) {
            pointerAt(button, Pointer::Click);
            return;
        }
    }
}

void typeInto(QWidget* dialog, int editId, const QString& text)
{
    auto* templated = qobject_cast<platform::TemplateDialog*>(dialog);
    QLineEdit* edit = templated ? templated->edit(editId) : nullptr;
    if (!edit)
        return;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void closeBox(QWidget* dialog)
{
    dialog->close();
}
