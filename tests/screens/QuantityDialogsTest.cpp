#include "DialogLayoutCheck.h"
#include "ModalScript.h"
#include "platform/Gbk.h"
#include "platform/UpDownControl.h"
#include "screens/BuyQuantityDialog.h"
#include "screens/SellQuantityDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using platform::IDC_STATIC;
using platform::IDCANCEL;
using platform::IDOK;
using namespace screens;

namespace {

const std::string kCigarettes = std::string("进口香烟");

// The line the rules put beside "您的现金是" when they ask how many to buy.
std::string buyLine(std::int32_t cash, std::int32_t limit, const std::string& gbkName)
{
    return std::string(std::to_string(cash) + "元人民币,最多可以买" + std::to_string(limit) + "个") + gbkName + std::string("。");
}

platform::TemplateDialog* asTemplate(QWidget* d)
{
    return qobject_cast<platform::TemplateDialog*>(d);
}

bool focusIsOn(QWidget* d, QWidget* control)
{
    return control && d->focusWidget() == control;
}

// Types `text` and presses Enter; the message box that follows is read into `seen` and closed,
// and the script's next step gets the quantity dialog back.
void refuse(ModalScript& script, int editId, const QString& text, QString& seen)
{
    script.then([=](QWidget* d) {
        typeInto(d, editId, text);
        pressKey(d, Qt::Key_Return);
    });
    script.then([&seen](QWidget* box) {
        seen = textOf(box);
        clickButton(box, IDOK);
    });
}

} // namespace

TEST(QuantityDialogs, BuyDialogIsLaidOutFromItsTable)
{
    BuyQuantityDialog dialog(buyLine(2000, 4, kCigarettes), 4, 0, 4);
    EXPECT_EQ(dialog.templateId(), 131);
    expectLayout(dialog, "买多少？", 263, 87,
                 {
                     {IDOK, "确  定", 28, 61, 50, 14},
                     {IDCANCEL, "取  消", 181, 59, 50, 14},
                     {IDC_STATIC, "您的现金是", 17, 17, 43, 8},
                     {1022, "", 58, 17, 197, 8},
                     {IDC_STATIC, "您想买多少？", 63, 37, 51, 8},
                     {1053, nullptr, 119, 33, 41, 14},
                 });
    EXPECT_TRUE(dialog.button(IDOK)->isDefault());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint) << "a caption without system menu";
}

TEST(QuantityDialogs, SellDialogIsLaidOutFromItsTable)
{
    SellQuantityDialog dialog(std::string("您有15个水货手机，想卖出多少？"), 15, 0, 15);
    EXPECT_EQ(dialog.templateId(), 130);
    expectLayout(dialog, "卖多少？", 263, 87,
                 {
                     {IDOK, "确 定", 28, 61, 50, 14},
                     {IDCANCEL, "放 弃", 181, 59, 50, 14},
                     {1027, "", 5, 17, 250, 8, true},
                     {IDC_STATIC, "您想卖出多少？", 70, 37, 57, 8},
                     {1053, nullptr, 127, 33, 40, 14},
                 });
    EXPECT_TRUE(dialog.button(IDOK)->isDefault());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(QuantityDialogs, BuyOpensAtTheLimitWithOkFocusedSoEnterBuysAll)
{
    BuyQuantityDialog dialog(buyLine(2000, 4, kCigarettes), 4, 0, 4);
    std::string line;
    QString entry;
    bool okFocused = false;
    std::int32_t arrowsLower = 0, arrowsUpper = 0;
    ModalScript script;
    script.then([&](QWidget* d) {
        line = gbkTextOf(d, BuyQuantityDialog::kCashAndLimitId);
        entry = textOf(d, BuyQuantityDialog::kQuantityEditId);
        okFocused = focusIsOn(d, asTemplate(d)->button(IDOK));
        arrowsLower = asTemplate(d)->upDown(NumberDialog::kUpDownId)->lower();
        arrowsUpper = asTemplate(d)->upDown(NumberDialog::kUpDownId)->upper();
        pressKey(d, Qt::Key_Return);
    });
    int result = 0;
    script.run([&] { result = dialog.runModal(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(line, std::string("2000元人民币,最多可以买4个进口香烟。"));
    EXPECT_EQ(entry, QStringLiteral("4"));
    EXPECT_TRUE(okFocused);
    EXPECT_EQ(arrowsLower, 1);
    EXPECT_EQ(arrowsUpper, 4);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.number(), 4);
}

TEST(QuantityDialogs, BuyRefusesOneAboveTheLimitAndTextThenTakesATypedQuantity)
{
    BuyQuantityDialog dialog(buyLine(2000, 4, kCigarettes), 4, 0, 4);
    QString aboveLimit, letters, empty, negative;
    bool focusBackInEdit = false;
    ModalScript script;
    refuse(script, 1053, QStringLiteral("5"), aboveLimit);
    script.then([&](QWidget* d) {
        focusBackInEdit = focusIsOn(d, asTemplate(d)->edit(1053));
        typeInto(d, 1053, QStringLiteral("abc"));
        pressKey(d, Qt::Key_Return);
    });
    script.then([&](QWidget* box) {
        letters = textOf(box);
        clickButton(box, IDOK);
    });
    refuse(script, 1053, QString(), empty);
    refuse(script, 1053, QStringLiteral("-1"), negative);
    script.then([](QWidget* d) {
        typeInto(d, 1053, QStringLiteral("3"));
        clickButton(d, IDOK);
    });
    int result = 0;
    script.run([&] { result = dialog.runModal(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(aboveLimit, QStringLiteral("Please enter an integer between 0 and 4."));
    EXPECT_TRUE(focusBackInEdit);
    EXPECT_EQ(letters, QStringLiteral("Please enter an integer."));
    EXPECT_EQ(empty, QStringLiteral("Please enter an integer."));
    EXPECT_EQ(negative, QStringLiteral("Please enter an integer between 0 and 4."));
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.number(), 3);
}

TEST(QuantityDialogs, BuyWithAFullRoomOffersOnlyZero)
{
    BuyQuantityDialog dialog(buyLine(2000, 0, kCigarettes), 0, 0, 0);
    std::string line;
    QString entry, refusal;
    std::int32_t arrowsLower = 0, arrowsUpper = -1;
    int result = 0;
    ModalScript script;
    script.then([&](QWidget* d) {
        line = gbkTextOf(d, 1022);
        entry = textOf(d, 1053);
        arrowsLower = asTemplate(d)->upDown(NumberDialog::kUpDownId)->lower();
        arrowsUpper = asTemplate(d)->upDown(NumberDialog::kUpDownId)->upper();
        typeInto(d, 1053, QStringLiteral("1"));
        pressKey(d, Qt::Key_Return);
    });
    script.then([&](QWidget* box) {
        refusal = textOf(box);
        clickButton(box, IDOK);
    });
    // Back in the dialog after the refusal: a typed 0 goes through.
    script.then([](QWidget* d) {
        typeInto(d, 1053, QStringLiteral("0"));
        pressKey(d, Qt::Key_Return);
    });
    script.run([&] { result = dialog.runModal(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(line, std::string("2000元人民币,最多可以买0个进口香烟。"));
    EXPECT_EQ(entry, QStringLiteral("0"));
    EXPECT_EQ(refusal, QStringLiteral("Please enter an integer between 0 and 0."));
    // The arrows run from 1 down to 0.
    EXPECT_EQ(arrowsLower, 1);
    EXPECT_EQ(arrowsUpper, 0);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.number(), 0);
}

TEST(QuantityDialogs, CancelAfterEditingReturnsCancelWhicheverWayItComes)
{
    for (int way = 0; way < 2; ++way) {
        BuyQuantityDialog dialog(buyLine(2000, 4, kCigarettes), 4, 0, 4);
        ModalScript script;
        script.then([way](QWidget* d) {
            typeInto(d, 1053, QStringLiteral("2"));
            if (way == 0)
                clickButton(d, IDCANCEL);
            else
                pressKey(d, Qt::Key_Escape);
        });
        int result = 0;
        script.run([&] { result = dialog.runModal(); });
        ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
        EXPECT_EQ(result, IDCANCEL) << "way " << way;
        EXPECT_EQ(dialog.number(), 4) << "a cancelled entry is not read";
    }
}

TEST(QuantityDialogs, ArrowsStepWithinOneToTheLimit)
{
    BuyQuantityDialog dialog(buyLine(2000, 3, kCigarettes), 3, 0, 3);
    QStringList seen;
    ModalScript script;
    script.then([&](QWidget* d) {
        QLineEdit* edit = asTemplate(d)->edit(1053);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Up); // already at the limit
        seen << edit->text();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(edit, Qt::Key_Down);
            seen << edit->text();
        }
        asTemplate(d)->upDown(NumberDialog::kUpDownId)->stepUp();
        seen << edit->text();
        pressKey(d, Qt::Key_Return);
    });
    int result = 0;
    script.run([&] { result = dialog.runModal(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(seen, QStringList({"3", "2", "1", "1", "2"}));
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.number(), 2);
}

TEST(QuantityDialogs, SellShowsItsQuestionAndAcceptsZeroToAll)
{
    const std::string prompt = std::string("您有15个水货手机，想卖出多少？");
    struct Case {
        QString typed; // empty: accept the preset
        std::int32_t expected;
    };
    for (const Case& c : {Case{QString(), 15}, Case{QStringLiteral("0"), 0}, Case{QStringLiteral(" 7 "), 7}}) {
        SellQuantityDialog dialog(prompt, 15, 0, 15);
        std::string shown;
        QString entry;
        bool okFocused = false;
        ModalScript script;
        script.then([&](QWidget* d) {
            shown = gbkTextOf(d, SellQuantityDialog::kPromptId);
            entry = textOf(d, SellQuantityDialog::kQuantityEditId);
            okFocused = focusIsOn(d, asTemplate(d)->button(IDOK));
            if (!c.typed.isEmpty())
                typeInto(d, SellQuantityDialog::kQuantityEditId, c.typed);
            pressKey(d, Qt::Key_Return);
        });
        int result = 0;
        script.run([&] { result = dialog.runModal(); });
        ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
        EXPECT_EQ(shown, prompt);
        EXPECT_EQ(entry, QStringLiteral("15"));
        EXPECT_TRUE(okFocused);
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.number(), c.expected);
    }
}

TEST(QuantityDialogs, SellRefusesMoreThanHeldAndCancelsWithGiveUp)
{
    SellQuantityDialog dialog(std::string("您有15个水货手机，想卖出多少？"), 15, 0, 15);
    QString refusal;
    ModalScript script;
    refuse(script, 1053, QStringLiteral("16"), refusal);
    script.then([](QWidget* d) { clickButton(d, IDCANCEL); });
    int result = 0;
    script.run([&] { result = dialog.runModal(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(refusal, QStringLiteral("Please enter an integer between 0 and 15."));
    EXPECT_EQ(result, IDCANCEL);
}

TEST(QuantityDialogs, LongestTextsFitTheirPlaces)
{
    // The longest goods name with a cash figure of eight digits.
    BuyQuantityDialog buy(buyLine(99999999, 100, std::string("《上海小宝贝》（禁书）")), 100, 0, 100);
    SellQuantityDialog sell(std::string("您有100个《上海小宝贝》（禁书），想卖出多少？"), 100, 0, 100);
    for (platform::TemplateDialog* dialog : {static_cast<platform::TemplateDialog*>(&buy),
                                             static_cast<platform::TemplateDialog*>(&sell)}) {
        ModalScript script;
        script.then([](QWidget* d) {
            expectTextsFit(*asTemplate(d));
            pressKey(d, Qt::Key_Escape);
        });
        script.run([&] { dialog->runModal(); });
        EXPECT_TRUE(script.finished());
    }
}
