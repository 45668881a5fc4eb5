#pragma once
// Answers the modal dialogs a piece of code opens, one after the other, as a player would:
// each step gets the dialog that came to the top and acts on it (reads texts, types, clicks).

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>

class ModalScript {
public:
    using Step = std::function<void(QWidget* dialog)>;

    ModalScript& then(Step step);
    // Answers every dialog that comes when no step is left, instead of counting it unexpected.
    ModalScript& otherwise(Step step);

    // Runs `trigger` and answers every modal dialog that comes to the top while it runs, the
    // trigger's own dialog included if it opens one. A dialog that appears when no step is left
    // is recorded as unexpected and cancelled, so a test never hangs.
    void run(const std::function<void()>& trigger);

    bool finished() const { return steps_.empty() && unexpected_.isEmpty(); }
    int stepsLeft() const { return int(steps_.size()); }
    // Title and text of each dialog that no step was there for.
    const QStringList& unexpected() const { return unexpected_; }

private:
    void poll();

    std::deque<Step> steps_;
    Step fallback_;
    QPointer<QWidget> lastTop_;
    QPointer<QWidget> candidate_;
    QStringList unexpected_;
    bool running_ = false;
    // Pending polls end with the script.
    QObject timerContext_;
};

// Texts of whatever dialog is on top.
QString windowTitleOf(QWidget* dialog);
// The text of a template dialog's control, or of a message box when id is 0.
QString textOf(QWidget* dialog, int controlId = 0);
// The GBK bytes of a shown text, for byte-exact checks against the game's constants.
std::string gbkTextOf(QWidget* dialog, int controlId = 0);

// The pointer as a player moves it: sent to the top-level window at the point over `over`
// (its centre when `local` is left out), so Qt hands it to whatever lies there.
enum class Pointer { Press, Release, Click, DoubleClick, Move };
void pointerAt(QWidget* over, Pointer action, QPoint local = QPoint(-1, -1), Qt::MouseButton button = Qt::LeftButton);

// A key as the keyboard sends it: to the control that has the dialog's focus.
void pressKey(QWidget* dialog, Qt::Key key);
void clickButton(QWidget* dialog, int controlId);
void typeInto(QWidget* dialog, int editId, const QString& text);
// Closes a dialog through its title bar's close box.
void closeBox(QWidget* dialog);
