#pragma once
// A modal dialog built from a constant template: its controls are made in template order at
// their dialog-unit rectangles, found by id, and tabbed through in template order.

#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"

#include <QDialog>
#include <QHash>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {

class ReportList;
class UpDownControl;

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    // With no owner, the window that is active when the dialog is made owns it.
    explicit TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* owner = nullptr);

    // Runs the dialog modally: initialisation, then the loop; IDOK or IDCANCEL.
    int runModal();

    int templateId() const { return templateId_; }
    const DialogUnits& units() const { return units_; }

    QWidget* control(int id) const { return controls_.value(id); }
    template <class T> T* controlAs(int id) const { return qobject_cast<T*>(control(id)); }
    QPushButton* button(int id) const;
    QLabel* label(int id) const;
    QLineEdit* edit(int id) const;
    ReportList* list(int id) const;
    UpDownControl* upDown(int id) const;

    void setControlText(int id, const QString& text);
    QString controlText(int id) const;

    // Puts `widget` in the place of the template's control `id` (a Custom placeholder or any
    // other control) and returns it.
    template <class W> W* adopt(int id, W* widget)
    {
        adoptWidget(id, widget);
        return widget;
    }

protected:
    // Runs once before the dialog is first shown. Return true to put the focus on the first
    // tab stop; false when the dialog has placed the focus itself.
    virtual bool initDialog() { return true; }
    // Enter on the default button, or IDOK: validate with exchangeData, then close with IDOK.
    virtual void onOk();
    // Esc, the close box or IDCANCEL.
    virtual void onCancel();
    // The data exchange of OK; false keeps the dialog open.
    virtual bool exchangeData() { return true; }

    // A command of the title bar's system menu (Windows), before the desktop's own handling;
    // true when the dialog has handled it.
    virtual bool onSysCommand(int /*command*/) { return false; }
    void accept() override { onOk(); }
    void reject() override { onCancel(); }
    void showEvent(QShowEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    // The first control of the template that takes the focus by tabbing.
    QWidget* firstTabStop() const;

    void buildControls(const DialogTemplate& dialogTemplate);
    QWidget* createControl(const ControlTemplate& control);
    void adoptWidget(int id, QWidget* widget);
    void runInitialisation();
    // A static text that needs more lines than its template gives it grows downward, with the
    // group boxes around it and the dialog; what lies below it moves down by as much. At the
    // first show, and again whenever a text is set after it.
    void growToFitTexts();

    int templateId_;
    DialogUnits units_;
    QHash<int, QWidget*> controls_;
    QList<QWidget*> templateOrder_;
    bool initialised_ = false;
};

} // namespace platform
