#include "platform/UpDownControl.h"

#include "platform/IntegerExchange.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace platform {

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent)
    , upButton_(new QToolButton(this))
    , downButton_(new QToolButton(this))
{
    for (QToolButton* button : {upButton_, downButton_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    upButton_->setArrowType(Qt::UpArrow);
    downButton_->setArrowType(Qt::DownArrow);
    upButton_->setAccessibleName(QString::fromUtf8("增加"));
    downButton_->setAccessibleName(QString::fromUtf8("减少"));
    connect(upButton_, &QToolButton::clicked, this, &UpDownControl::stepUp);
    connect(downButton_, &QToolButton::clicked, this, &UpDownControl::stepDown);
    setFocusPolicy(Qt::NoFocus);
}

void UpDownControl::attachTo(QLineEdit* edit)
{
    if (buddy_)
        buddy_->removeEventFilter(this);
    buddy_ = edit;
    if (!edit)
        return;
    edit->installEventFilter(this);
    const QRect editRect = edit->geometry();
    const int arrowWidth = std::max(width(), 12);
    setGeometry(editRect.right() + 1 - arrowWidth, editRect.top(), arrowWidth, editRect.height());
    edit->resize(editRect.width() - arrowWidth, editRect.height());
}

void UpDownControl::setRange(std::int32_t lower, std::int32_t upper)
{
    lower_ = lower;
    upper_ = upper;
}

void UpDownControl::step(int direction)
{
    if (!buddy_ || lower_ == upper_)
        return;
    const std::int32_t low = std::min(lower_, upper_);
    const std::int32_t high = std::max(lower_, upper_);
    // An edit that holds no number steps from the range's own start.
    const std::int64_t current = parseInt32(buddy_->text()).value_or(lower_);
    const int towardsUpper = upper_ > lower_ ? 1 : -1;
    const std::int64_t next = std::clamp<std::int64_t>(current + std::int64_t(direction) * towardsUpper, low, high);
    setEditInteger(buddy_, std::int32_t(next));
    buddy_->selectAll();
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    upButton_->setGeometry(0, 0, width(), half);
    downButton_->setGeometry(0, half, width(), height() - half);
}

} // namespace platform
