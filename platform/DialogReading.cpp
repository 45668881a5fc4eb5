#include "platform/DialogReading.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <utility>

namespace platform {

namespace {

// A label counts as standing to an edit's left even when its frame reaches this many pixels
// into the edit's.
constexpr int kLabelOverlap = 2;

QList<QLabel*> textLabels(QWidget* dialog)
{
    QList<QLabel*> labels;
    for (QLabel* label : dialog->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->isHidden() && !label->text().trimmed().isEmpty())
            labels << label;
    }
    return labels;
}

// A notification without words: never drawn, never reached by the pointer or the keyboard.
class SpokenNote : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNote(QWidget* window)
        : QWidget(window)
    {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(0, 0);
    }
};

QAccessibleInterface* noteInterface(const QString&, QObject* object)
{
    auto* note = qobject_cast<SpokenNote*>(object);
    return note ? new QAccessibleWidget(note, QAccessible::Notification) : nullptr;
}

} // namespace

void installNoteInterface()
{
    QAccessible::installFactory(noteInterface);
}

void retellWindow(QWidget* window)
{
    if (!QAccessible::isActive())
        return;
    auto* note = window->findChild<SpokenNote*>(QString(), Qt::FindDirectChildrenOnly);
    if (!note)
        note = new SpokenNote(window);
    note->hide();
    note->show();
}

void describeWithTexts(QWidget* dialog)
{
    QList<QLabel*> labels = textLabels(dialog);
    std::stable_sort(labels.begin(), labels.end(), [](const QLabel* a, const QLabel* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QStringList texts;
    for (QLabel* label : labels)
        texts << label->text().trimmed();
    dialog->setAccessibleDescription(texts.join(QLatin1Char(' ')));
}

void nameEditsByTheirLabels(QWidget* dialog)
{
    const QList<QLabel*> labels = textLabels(dialog);
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        const QRect field = edit->geometry();
        QLabel* nearest = nullptr;
        for (QLabel* label : labels) {
            const QRect place = label->geometry();
            const bool sameLine = place.center().y() >= field.top() && place.center().y() <= field.bottom();
            const bool toTheLeft = place.left() < field.left() && place.right() <= field.left() + kLabelOverlap;
            if (sameLine && toTheLeft && (!nearest || place.right() > nearest->geometry().right()))
                nearest = label;
        }
        if (nearest)
            nearest->setBuddy(edit);
    }
}

} // namespace platform

#include "DialogReading.moc"
