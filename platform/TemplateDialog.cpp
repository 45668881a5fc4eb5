#include "platform/TemplateDialog.h"

#include "platform/MessageBox.h"
#include "platform/ReportList.h"
#include "platform/Resources.h"
#include "platform/SystemMenu.h"
#include "platform/UpDownControl.h"
#include "platform/WrappingLabel.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace platform {

namespace {

Qt::Alignment textAlignment(std::uint32_t flags)
{
    return (flags & Centered ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
}

bool isTabStopByDefault(ControlKind kind)
{
    return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton || kind == ControlKind::Edit;
}

// Labels, pictures, frames and group boxes take no mouse input: its moves and clicks belong
// to the dialog beneath them (the game window's ticker hover, the start screen's menu).
bool isTransparentToMouse(ControlKind kind)
{
    return kind == ControlKind::Static || kind == ControlKind::GroupBox || kind == ControlKind::Picture
           || kind == ControlKind::Icon || kind == ControlKind::Frame;
}

bool takesFocusOnClick(ControlKind kind)
{
    return isTabStopByDefault(kind) || kind == ControlKind::RadioPushButton || kind == ControlKind::ListView;
}

// A group box shows its text as a title; labels, buttons and edits as their text.
const char* textProperty(const QWidget* widget)
{
    return qobject_cast<const QGroupBox*>(widget) ? "title" : "text";
}

} // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* owner)
    : QDialog(owner ? owner : defaultOwner())
    , templateId_(dialogTemplate.id)
    , units_(dialogFont(dialogTemplate.fontPointSize))
{
    // A modal frame: on Windows no resizing border around a dialog of fixed size.
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
    if (dialogTemplate.systemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    setFont(dialogFont(dialogTemplate.fontPointSize));
    setFixedSize(units_.toPixelsX(dialogTemplate.width), units_.toPixelsY(dialogTemplate.height));
    buildControls(dialogTemplate);
}

void TemplateDialog::buildControls(const DialogTemplate& dialogTemplate)
{
    QList<QWidget*> behind;
    for (const ControlTemplate& item : dialogTemplate.controls) {
        QWidget* widget = createControl(item);
        if (item.kind != ControlKind::Picture && item.kind != ControlKind::Icon)
            widget->setGeometry(units_.toPixels(item.x, item.y, item.width, item.height));
        else
            widget->move(units_.toPixelsX(item.x), units_.toPixelsY(item.y));

        const bool tabStop = isTabStopByDefault(item.kind) || (item.flags & TabStop);
        if (tabStop)
            widget->setFocusPolicy(Qt::StrongFocus);
        else if (takesFocusOnClick(item.kind))
            widget->setFocusPolicy(Qt::ClickFocus);
        else
            widget->setFocusPolicy(Qt::NoFocus);

        if (isTransparentToMouse(item.kind))
            widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        if (item.flags & Hidden)
            widget->hide();
        if (item.kind == ControlKind::GroupBox || item.kind == ControlKind::Frame)
            behind.append(widget);

        if (item.kind == ControlKind::UpDown) {
            auto* arrows = static_cast<UpDownControl*>(widget);
            if (auto* buddy = templateOrder_.isEmpty() ? nullptr : qobject_cast<QLineEdit*>(templateOrder_.last()))
                arrows->attachTo(buddy);
        }

        templateOrder_.append(widget);
        if (item.id != IDC_STATIC)
            controls_.insert(item.id, widget);
    }
    // Frames are drawn around controls that lie over them; they must not take their clicks.
    for (QWidget* widget : behind)
        widget->lower();
}

QWidget* TemplateDialog::createControl(const ControlTemplate& item)
{
    const QString text = QString::fromUtf8(item.text ? item.text : "");
    switch (item.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::RadioPushButton: {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(item.kind != ControlKind::RadioPushButton);
        if (item.kind == ControlKind::DefaultPushButton)
            button->setDefault(true);
        if (item.kind == ControlKind::RadioPushButton) {
            button->setCheckable(true);
            button->setAutoExclusive(true);
        }
        // Every other button is connected by its screen to a member function.
        if (item.id == IDOK)
            connect(button, &QPushButton::clicked, this, &QDialog::accept);
        else if (item.id == IDCANCEL)
            connect(button, &QPushButton::clicked, this, &QDialog::reject);
        return button;
    }
    case ControlKind::Static: {
        auto* label = new WrappingLabel(text, this);
        label->setAlignment(textAlignment(item.flags));
        label->setTextFormat(Qt::PlainText);
        if (item.flags & Sunken)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (item.flags & StaticEdge)
            label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        return label;
    }
    case ControlKind::Edit:
        return new QLineEdit(text, this);
    case ControlKind::UpDown:
        return new UpDownControl(this);
    case ControlKind::ListView:
        return new ReportList(this);
    case ControlKind::GroupBox:
        return new QGroupBox(text, this);
    case ControlKind::Picture:
    case ControlKind::Icon: {
        auto* label = new QLabel(this);
        QPixmap picture = item.kind == ControlKind::Picture ? bitmapResource(item.resource)
                                                            : iconResource(item.resource).pixmap(32, 32);
        if (!picture.isNull()) {
            label->setPixmap(picture);
            label->resize(picture.size());
        } else {
            label->resize(units_.toPixelsX(item.width), units_.toPixelsY(item.height));
        }
        label->setProperty("resourceId", item.resource);
        return label;
    }
    case ControlKind::Frame: {
        auto* frame = new QFrame(this);
        if (item.height <= 2)
            frame->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        else if (item.width <= 2)
            frame->setFrameStyle(QFrame::VLine | QFrame::Sunken);
        else
            frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        return frame;
    }
    case ControlKind::Custom: {
        auto* placeholder = new QFrame(this);
        if (item.flags & Sunken)
            placeholder->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return placeholder;
    }
    }
    return new QWidget(this);
}

void TemplateDialog::adoptWidget(int id, QWidget* widget)
{
    QWidget* old = controls_.value(id);
    if (!old || !widget)
        return;
    widget->setParent(this);
    widget->setGeometry(old->geometry());
    widget->setVisible(!old->isHidden());
    const int position = templateOrder_.indexOf(old);
    templateOrder_[position] = widget;
    controls_.insert(id, widget);
    widget->stackUnder(old);
    delete old;
    // Keep tabbing in template order with the new widget in the old one's place.
    QWidget* previous = nullptr;
    for (QWidget* w : templateOrder_) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

QPushButton* TemplateDialog::button(int id) const
{
    return controlAs<QPushButton>(id);
}

QLabel* TemplateDialog::label(int id) const
{
    return controlAs<QLabel>(id);
}

QLineEdit* TemplateDialog::edit(int id) const
{
    return controlAs<QLineEdit>(id);
}

ReportList* TemplateDialog::list(int id) const
{
    return controlAs<ReportList>(id);
}

UpDownControl* TemplateDialog::upDown(int id) const
{
    return controlAs<UpDownControl>(id);
}

void TemplateDialog::setControlText(int id, const QString& text)
{
    QWidget* widget = control(id);
    if (!widget)
        return;
    widget->setProperty(textProperty(widget), text);
    // A text set once the dialog is up (the game window's day) gets its lines too.
    if (initialised_)
        growToFitTexts();
}

QString TemplateDialog::controlText(int id) const
{
    const QWidget* widget = control(id);
    return widget ? widget->property(textProperty(widget)).toString() : QString();
}

int TemplateDialog::runModal()
{
    runInitialisation();
    return execReturningFocus(*this);
}

void TemplateDialog::onOk()
{
    if (exchangeData())
        done(IDOK);
}

void TemplateDialog::onCancel()
{
    done(IDCANCEL);
}

bool TemplateDialog::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    const std::optional<int> command = systemCommand(eventType, message);
    if (command && onSysCommand(*command)) {
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}

void TemplateDialog::showEvent(QShowEvent* event)
{
    runInitialisation();
    QDialog::showEvent(event);
}

void TemplateDialog::growToFitTexts()
{
    for (QWidget* widget : std::as_const(templateOrder_)) {
        auto* text = qobject_cast<WrappingLabel*>(widget);
        const int extra = text ? text->heightForWidth(text->width()) - text->height() : 0;
        if (extra <= 0)
            continue;
        const int bottom = text->geometry().bottom();
        for (QWidget* other : std::as_const(templateOrder_)) {
            QRect place = other->geometry();
            if (place.top() > bottom)
                place.translate(0, extra);
            else if (other == text || (qobject_cast<QGroupBox*>(other) && place.bottom() >= bottom))
                place.setBottom(place.bottom() + extra);
            else
                continue;
            other->setGeometry(place);
        }
        setFixedHeight(height() + extra);
    }
}

QWidget* TemplateDialog::firstTabStop() const
{
    for (QWidget* widget : templateOrder_) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && !widget->isHidden())
            return widget;
    }
    return nullptr;
}

void TemplateDialog::runInitialisation()
{
    if (initialised_)
        return;
    initialised_ = true;
    const bool focusFirst = initDialog();
    growToFitTexts();
    if (focusFirst) {
        if (QWidget* first = firstTabStop())
            first->setFocus(Qt::TabFocusReason);
    }
}

} // namespace platform
