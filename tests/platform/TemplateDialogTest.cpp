#include "ModalScript.h"
#include "platform/DialogUnits.h"
#include "platform/Gbk.h"
#include "platform/IntegerExchange.h"
#include "platform/TemplateDialog.h"
#include "platform/UpDownControl.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// A template holds UTF-8 texts, as the screens write theirs.
const DialogTemplate kSample{
    500, u8"样例", 200, 100, 8, true,
    {
        {1000, ControlKind::Static, u8"说明", 10, 10, 60, 8},
        {1001, ControlKind::Edit, "", 80, 8, 40, 14},
        {1002, ControlKind::UpDown, "", 121, 8, 10, 14},
        {1003, ControlKind::PushButton, u8"其他", 10, 40, 50, 14, Hidden},
        {IDOK, ControlKind::DefaultPushButton, u8"确 定", 10, 70, 50, 14},
        {IDCANCEL, ControlKind::PushButton, u8"取 消", 120, 70, 50, 14},
    }};

// A dialog whose OK exchanges edit 1001 as a number from 0 to 40.
class NumberDialog : public TemplateDialog {
public:
    NumberDialog() : TemplateDialog(kSample) {}
    std::int32_t value = 7;

protected:
    bool initDialog() override
    {
        setEditInteger(edit(1001), value);
        upDown(1002)->setRange(1, 40);
        return true;
    }
    bool exchangeData() override { return exchangeInteger(edit(1001), 0, 40, value); }
};

} // namespace

TEST(DialogUnits, ConvertFromTheFontsAverageWidthAndHeight)
{
    const DialogUnits units(6, 13);
    EXPECT_EQ(units.toPixels(4, 8, 412, 383), QRect(6, 13, 618, 622));
    // Rounded, not truncated: 7 units of a 13-pixel font are 11.375 pixels.
    EXPECT_EQ(units.toPixelsY(7), 11);
    EXPECT_EQ(units.toPixelsX(3), 5);

    const DialogUnits fromFont(dialogFont(8));
    EXPECT_GT(fromFont.baseX(), 3);
    EXPECT_GE(fromFont.baseY(), 12) << "a CJK character must fit an 8-unit high static";
}

TEST(TemplateDialog, BuildsEveryControlAtItsPlaceFindsItByIdAndTabsInTemplateOrder)
{
    NumberDialog dialog;
    const DialogUnits& u = dialog.units();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("样例"));
    EXPECT_EQ(dialog.size(), QSize(u.toPixelsX(200), u.toPixelsY(100)));
    ASSERT_NE(dialog.button(IDOK), nullptr);
    EXPECT_EQ(dialog.button(IDOK)->geometry(), u.toPixels(10, 70, 50, 14));
    EXPECT_TRUE(dialog.button(IDOK)->isDefault());
    EXPECT_EQ(dialog.controlText(IDCANCEL), QStringLiteral("取 消"));
    EXPECT_TRUE(dialog.button(1003)->isHidden());
    EXPECT_EQ(dialog.control(4711), nullptr);

    // The arrows sit at the right end of their edit, which gives up that room.
    const QRect editRect = dialog.edit(1001)->geometry();
    EXPECT_EQ(dialog.upDown(1002)->buddy(), dialog.edit(1001));
    EXPECT_EQ(dialog.upDown(1002)->geometry().right(), u.toPixels(80, 8, 40, 14).right());
    EXPECT_EQ(editRect.right() + 1, dialog.upDown(1002)->geometry().left());

    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(dialog.focusWidget(), dialog.edit(1001)) << "the focus starts on the first tab stop";
    // The hidden button, the statics and the arrows take no tab stop.
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(dialog.focusWidget(), dialog.button(IDOK));
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(dialog.focusWidget(), dialog.button(IDCANCEL));
}

TEST(TemplateDialog, ATextSetAfterTheFirstShowGrowsItsControlAndTheDialog)
{
    NumberDialog dialog;
    dialog.show();
    const int height = dialog.height();
    const QRect ok = dialog.button(IDOK)->geometry();
    dialog.setControlText(1000, QStringLiteral("一句很长的说明文字，比它的位置宽得多，要占好几行才能看全"));
    const QWidget* text = dialog.control(1000);
    EXPECT_GE(text->height(), text->heightForWidth(text->width()));
    const int extra = dialog.height() - height;
    EXPECT_GT(extra, 0);
    EXPECT_EQ(dialog.button(IDOK)->geometry(), ok.translated(0, extra)) << "what lies below moves down";
}

TEST(TemplateDialog, EnterAcceptsEscCancelsAndTheCloseBoxCancels)
{
    int result = 0;
    ModalScript enter;
    enter.then([](QWidget* d) { pressKey(d, Qt::Key_Return); });
    enter.run([&] { NumberDialog d; result = d.runModal(); });
    EXPECT_TRUE(enter.finished());
    EXPECT_EQ(result, IDOK);

    ModalScript esc;
    esc.then([](QWidget* d) { pressKey(d, Qt::Key_Escape); });
    esc.run([&] { NumberDialog d; result = d.runModal(); });
    EXPECT_TRUE(esc.finished());
    EXPECT_EQ(result, IDCANCEL);

    ModalScript box;
    box.then([](QWidget* d) { closeBox(d); });
    box.run([&] { NumberDialog d; result = d.runModal(); });
    EXPECT_TRUE(box.finished());
    EXPECT_EQ(result, IDCANCEL);
}

TEST(TemplateDialog, OwnerIsTheActiveModalDialogWhenNoneIsGiven)
{
    QWidget* ownerSeen = nullptr;
    QWidget* outer = nullptr;
    ModalScript script;
    script.then([&](QWidget* d) {
        outer = d;
        NumberDialog inner;
        ownerSeen = inner.parentWidget();
        d->close();
    });
    script.run([] { NumberDialog d; d.runModal(); });
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(ownerSeen, outer);
}

TEST(IntegerExchange, ReadsOnlySigned32BitIntegers)
{
    EXPECT_EQ(parseInt32(QStringLiteral("0")), 0);
    EXPECT_EQ(parseInt32(QStringLiteral("-15")), -15);
    EXPECT_EQ(parseInt32(QStringLiteral(" 42 ")), 42);
    EXPECT_EQ(parseInt32(QStringLiteral("+7")), 7);
    EXPECT_EQ(parseInt32(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(parseInt32(QStringLiteral("-2147483648")), std::numeric_limits<std::int32_t>::min());
    for (const char* bad : {"", "   ", "abc", "12abc", "1 2", "-", "+", "2147483648", "-2147483649",
                            "99999999999999999999999", "1.5", "0x10", "１２"})
        EXPECT_FALSE(parseInt32(platform::fromGbk(bad)).has_value()) << bad;
}

TEST(IntegerExchange, RefusesWithTheStandardMessagesAndKeepsTheDialogOpen)
{
    std::int32_t accepted = -1;
    int result = 0;
    QStringList messages;
    bool focusBackInEdit = false;
    ModalScript script;
    script.then([](QWidget* d) { typeInto(d, 1001, QStringLiteral("12abc")); pressKey(d, Qt::Key_Return); })
        .then([&](QWidget* box) { messages << textOf(box) << windowTitleOf(box); clickButton(box, IDOK); })
        .then([&](QWidget* d) {
            focusBackInEdit = d->focusWidget() == static_cast<TemplateDialog*>(d)->edit(1001);
            typeInto(d, 1001, QStringLiteral("41"));
            pressKey(d, Qt::Key_Return);
        })
        .then([&](QWidget* box) { messages << textOf(box); clickButton(box, IDOK); })
        .then([](QWidget* d) { typeInto(d, 1001, QString()); pressKey(d, Qt::Key_Return); })
        .then([&](QWidget* box) { messages << textOf(box); clickButton(box, IDOK); })
        // Whole numbers beyond 32 bits are numbers out of bounds, not text.
        .then([](QWidget* d) { typeInto(d, 1001, QStringLiteral("99999999999")); pressKey(d, Qt::Key_Return); })
        .then([&](QWidget* box) { messages << textOf(box); clickButton(box, IDOK); })
        .then([](QWidget* d) { typeInto(d, 1001, QStringLiteral(" -99999999999999999999999")); pressKey(d, Qt::Key_Return); })
        .then([&](QWidget* box) { messages << textOf(box); clickButton(box, IDOK); })
        .then([](QWidget* d) { typeInto(d, 1001, QStringLiteral("99999999999x")); pressKey(d, Qt::Key_Return); })
        .then([&](QWidget* box) { messages << textOf(box); clickButton(box, IDOK); })
        .then([](QWidget* d) { typeInto(d, 1001, QStringLiteral("0")); pressKey(d, Qt::Key_Return); });
    script.run([&] {
        NumberDialog d;
        result = d.runModal();
        accepted = d.value;
    });
    EXPECT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_TRUE(focusBackInEdit);
    ASSERT_EQ(messages.size(), 7);
    EXPECT_EQ(messages[0], QStringLiteral("Please enter an integer."));
    EXPECT_EQ(messages[1], QStringLiteral("platform_tests")) << "message boxes are captioned with the executable's name";
    EXPECT_EQ(messages[2], QStringLiteral("Please enter an integer between 0 and 40."));
    EXPECT_EQ(messages[3], QStringLiteral("Please enter an integer."));
    EXPECT_EQ(messages[4], QStringLiteral("Please enter an integer between 0 and 40."));
    EXPECT_EQ(messages[5], QStringLiteral("Please enter an integer between 0 and 40."));
    EXPECT_EQ(messages[6], QStringLiteral("Please enter an integer."));
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(accepted, 0) << "0 is inside the bounds although the arrows stop at 1";
}

TEST(UpDownControl, StepsWithinItsRangeWithArrowsAndKeys)
{
    NumberDialog dialog;
    dialog.show();
    UpDownControl* arrows = dialog.upDown(1002);
    QLineEdit* edit = dialog.edit(1001);
    edit->setText(QStringLiteral("39"));
    arrows->stepUp();
    EXPECT_EQ(edit->text(), QStringLiteral("40"));
    arrows->stepUp();
    EXPECT_EQ(edit->text(), QStringLiteral("40"));
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), QStringLiteral("39"));
    edit->setText(QStringLiteral("1"));
    arrows->stepDown();
    EXPECT_EQ(edit->text(), QStringLiteral("1")) << "the arrows stop at the lower end";

    // A range from 1 down to 0: the up arrow moves towards 0.
    arrows->setRange(1, 0);
    arrows->stepUp();
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    arrows->stepUp();
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    arrows->stepDown();
    EXPECT_EQ(edit->text(), QStringLiteral("1"));

    // Ranges past 16 bits step as well.
    arrows->setRange(0, 100000);
    edit->setText(QStringLiteral("65535"));
    arrows->stepUp();
    EXPECT_EQ(edit->text(), QStringLiteral("65536"));
}
