#pragma once
// Checks a template dialog against the layout its table should give it: every control at its
// dialog-unit rectangle with its text. Statics without an id are found by their text.

#include "platform/Gbk.h"
#include "platform/TemplateDialog.h"
#include "platform/UpDownControl.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

struct ExpectedControl {
    int id;
    const char* text; // UTF-8; nullptr for edits and arrows, whose text the dialog sets
    int x, y, width, height;
    bool centred = false;
};

inline QLabel* labelWithText(const platform::TemplateDialog& dialog, const QString& text)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

inline void expectLayout(const platform::TemplateDialog& dialog, const char* caption, int width, int height,
                         const std::vector<ExpectedControl>& controls)
{
    const platform::DialogUnits& u = dialog.units();
    EXPECT_EQ(dialog.windowTitle(), platform::fromGbk(caption));
    EXPECT_EQ(dialog.size(), QSize(u.toPixelsX(width), u.toPixelsY(height))) << caption;
    for (const ExpectedControl& c : controls) {
        const QRect place = u.toPixels(c.x, c.y, c.width, c.height);
        SCOPED_TRACE(std::string(caption) + " control " + std::to_string(c.id) + " " + (c.text ? c.text : ""));
        QWidget* widget = c.id == platform::IDC_STATIC ? labelWithText(dialog, platform::fromGbk(c.text))
                                                        : dialog.control(c.id);
        ASSERT_NE(widget, nullptr);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            // The arrows take the right end of their edit: together they fill the edit's place.
            auto* arrows = dialog.findChild<platform::UpDownControl*>();
            ASSERT_NE(arrows, nullptr);
            EXPECT_EQ(arrows->buddy(), edit);
            EXPECT_EQ(edit->geometry().united(arrows->geometry()), place);
            EXPECT_EQ(arrows->geometry().left(), edit->geometry().right() + 1);
            continue;
        }
        if (qobject_cast<platform::UpDownControl*>(widget))
            continue; // placed with its edit
        EXPECT_EQ(widget->geometry(), place);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(bool(label->alignment() & Qt::AlignHCenter), c.centred);
        }
        // A static without an id was found by its text already.
        if (c.text && c.id != platform::IDC_STATIC) {
            EXPECT_EQ(dialog.controlText(c.id), platform::fromGbk(c.text));
        }
    }
}

// Every label and button of the dialog shows its whole text within its own rectangle.
inline void expectTextsFit(const platform::TemplateDialog& dialog)
{
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width())
            << dialog.windowTitle().toStdString() << ": " << label->text().toStdString();
        EXPECT_LE(metrics.height(), label->contentsRect().height() + 2) << label->text().toStdString();
    }
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&dialog))
            continue; // a hidden button shows nothing
        const QFontMetrics metrics(button->font());
        EXPECT_LE(metrics.horizontalAdvance(button->text()) + 4, button->width())
            << dialog.windowTitle().toStdString() << ": " << button->text().toStdString();
    }
}
