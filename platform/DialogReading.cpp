#include "platform/DialogReading.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <utility>

namespace platform {

namespace {

QList<QLabel*> textLabels(QWidget* dialog)
{
    QList<QLabel*> labels;
    for (QLabel* label : dialog->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->isHidden() && !label->text().trimmed().isEmpty())
            labels << label;
    }
    return labels;
}

} // namespace

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
            const bool toTheLeft = place.left() < field.left() && place.right() <= field.left() + 2;
            if (sameLine && toTheLeft && (!nearest || place.right() > nearest->geometry().right()))
                nearest = label;
        }
        if (nearest)
            nearest->setBuddy(edit);
    }
}

} // namespace platform
