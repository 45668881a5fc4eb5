#include "DialogLayoutCheck.h"
#include "ModalScript.h"
#include "app/artwork/Artwork.h"
#include "platform/Gbk.h"
#include "platform/UpDownControl.h"
#include "screens/AirportDialog.h"
#include "screens/AmountDialog.h"
#include "screens/BankDialog.h"
#include "screens/HospitalDialog.h"
#include "screens/RepayDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

using platform::IDC_STATIC;
using platform::IDCANCEL;
using platform::IDOK;
using namespace screens;

namespace {

platform::TemplateDialog* asTemplate(QWidget* d)
{
    return qobject_cast<platform::TemplateDialog*>(d);
}

QLabel* pictureOf(const platform::TemplateDialog& dialog, int resource)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->property("resourceId").toInt() == resource)
            return label;
    return nullptr;
}

struct Opened {
    QString title;
    std::string text;
    QString entry;
    bool okFocused = false;
    std::int32_t arrowsLower = 0;
    std::int32_t arrowsUpper = 0;
};

Opened look(QWidget* d, int textId, int editId)
{
    platform::TemplateDialog* dialog = asTemplate(d);
    Opened seen;
    seen.title = d->windowTitle();
    seen.text = gbkTextOf(d, textId);
    seen.entry = textOf(d, editId);
    seen.okFocused = d->focusWidget() && d->focusWidget() == dialog->button(IDOK);
    if (platform::UpDownControl* arrows = dialog->upDown(NumberDialog::kUpDownId)) {
        seen.arrowsLower = arrows->lower();
        seen.arrowsUpper = arrows->upper();
    }
    return seen;
}

// What the bank's caller does with the choice: ask for the amount above the bank dialog.
struct BankVisit {
    std::int32_t cash;
    std::int32_t savings;
    std::optional<bool> deposit;
    std::optional<std::int32_t> amount;
    bool bankOpenDuringPrompt = false;

    int run()
    {
        const std::string line = std::string("客户您好! 您的现金是2000, 您的存款是300. 请问您要...");
        BankDialog bank(line, [this, &bank](bool isDeposit) {
            deposit = isDeposit;
            const std::int32_t bound = isDeposit ? cash : savings;
            AmountDialog prompt(std::string(isDeposit ? "您存多少钱?" : "您提走多少钱?"), bound, 0, bound);
            bankOpenDuringPrompt = bank.isVisible();
            if (prompt.runModal() == IDOK)
                amount = prompt.number();
            bankOpenDuringPrompt = bankOpenDuringPrompt && bank.isVisible();
        });
        return bank.runModal();
    }
};

} // namespace

TEST(ServiceDialogs, AreLaidOutFromTheirTables)
{
    AmountDialog amount(std::string("您存多少钱?"), 2000, 0, 2000);
    EXPECT_EQ(amount.templateId(), 132);
    expectLayout(amount, "现金交易", 187, 100,
                 {
                     {IDOK, "确认交易", 15, 75, 50, 14},
                     {IDCANCEL, "取消交易", 125, 75, 50, 14},
                     {1037, "", 10, 20, 75, 8},
                     {1038, nullptr, 86, 16, 44, 14},
                 });

    BankDialog bank(std::string("x"), [](bool) {});
    EXPECT_EQ(bank.templateId(), 133);
    expectLayout(bank, "银行！", 239, 55,
                 {
                     {IDOK, "存  钱", 30, 25, 50, 14},
                     {IDCANCEL, "取  钱", 160, 25, 50, 14},
                     {1040, "", 5, 10, 225, 8, true},
                 });

    HospitalDialog hospital(std::string("x"), 10, 1, 10);
    EXPECT_EQ(hospital.templateId(), 135);
    expectLayout(hospital, "在医院里", 244, 102,
                 {
                     {IDOK, "确 认", 30, 75, 50, 14},
                     {IDCANCEL, "你太黑了!俺告你去!", 120, 75, 75, 14},
                     {1041, "", 7, 25, 233, 8},
                     {1042, nullptr, 94, 49, 40, 14},
                     {IDC_STATIC, "治疗点数：", 49, 52, 40, 8},
                     {IDC_STATIC, "坚决抵制腐败！每个健康点数俺只收您3500元红包。”", 5, 35, 215, 8},
                 });

    RepayDialog repay(std::string("x"), 5500, 0, 5500);
    EXPECT_EQ(repay.templateId(), 136);
    expectLayout(repay, "给村长还钱", 187, 98,
                 {
                     {IDOK, "确  定", 35, 80, 50, 14},
                     {IDCANCEL, "呸!", 115, 80, 50, 14},
                     {1043, "", 10, 14, 175, 8, true},
                     {1044, nullptr, 71, 38, 49, 14},
                     {IDC_STATIC, "您还多少？", 29, 41, 40, 8},
                 });

    AirportDialog airport;
    EXPECT_EQ(airport.templateId(), 145);
    expectLayout(airport, "首都机场", 187, 100,
                 {
                     {IDOK, "OK", 70, 77, 50, 14},
                     {IDC_STATIC, "您想飞到美国做国际贸易？", 42, 9, 110, 8, true},
                     {IDC_STATIC, "或者把您更好的创意告诉我：", 25, 46, 140, 8, true},
                     {IDC_STATIC, "即将到来的2.0版本中，您可以在世界各大城市间", 5, 25, 175, 8, true},
                     {IDC_STATIC, "从事国际贸易。为了更刺激的发财梦，请等待!", 4, 36, 169, 8, true},
                 });

    for (const platform::TemplateDialog* d : std::initializer_list<const platform::TemplateDialog*>{
             &amount, &bank, &hospital, &repay, &airport}) {
        EXPECT_TRUE(d->windowFlags() & Qt::WindowCloseButtonHint) << d->windowTitle().toStdString();
        EXPECT_TRUE(d->button(IDOK)->isDefault()) << d->windowTitle().toStdString();
    }
}

TEST(ServiceDialogs, AmountOpensAtThePresetAndEnterAcceptsIt)
{
    AmountDialog dialog(std::string("您存多少钱?"), 2000, 0, 2000);
    Opened seen;
    ModalScript script;
    script.then([&](QWidget* d) {
        seen = look(d, AmountDialog::kPromptId, AmountDialog::kAmountEditId);
        pressKey(d, Qt::Key_Return);
    });
    int result = 0;
    script.run([&] { result = dialog.runModal(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(seen.text, std::string("您存多少钱?"));
    EXPECT_EQ(seen.entry, QStringLiteral("2000"));
    EXPECT_TRUE(seen.okFocused);
    EXPECT_EQ(seen.arrowsLower, 1);
    EXPECT_EQ(seen.arrowsUpper, 2000);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.number(), 2000);
}

TEST(ServiceDialogs, BankEnterDepositsThroughTheAmountPromptAboveIt)
{
    BankVisit visit{2000, 300, {}, {}};
    Opened bank, prompt;
    ModalScript script;
    script.then([&](QWidget* d) {
        bank = look(d, BankDialog::kGreetingId, 0);
        pressKey(d, Qt::Key_Return);
    });
    script.then([&](QWidget* d) {
        prompt = look(d, AmountDialog::kPromptId, AmountDialog::kAmountEditId);
        typeInto(d, AmountDialog::kAmountEditId, QStringLiteral("1500"));
        pressKey(d, Qt::Key_Return);
    });
    int result = 0;
    script.run([&] { result = visit.run(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(bank.title, QStringLiteral("银行！"));
    EXPECT_EQ(bank.text, std::string("客户您好! 您的现金是2000, 您的存款是300. 请问您要..."));
    EXPECT_TRUE(bank.okFocused);
    EXPECT_EQ(prompt.title, QStringLiteral("现金交易"));
    EXPECT_EQ(prompt.text, std::string("您存多少钱?"));
    EXPECT_EQ(prompt.entry, QStringLiteral("2000"));
    EXPECT_TRUE(visit.bankOpenDuringPrompt);
    EXPECT_EQ(visit.deposit, true);
    EXPECT_EQ(visit.amount, 1500);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "both dialogs are closed";
}

TEST(ServiceDialogs, BankEscCloseBoxAndTheButtonAreWithdrawals)
{
    for (int way = 0; way < 3; ++way) {
        BankVisit visit{2000, 300, {}, {}};
        Opened prompt;
        ModalScript script;
        script.then([way](QWidget* d) {
            if (way == 0)
                pressKey(d, Qt::Key_Escape);
            else if (way == 1)
                closeBox(d);
            else
                clickButton(d, IDCANCEL);
        });
        script.then([&](QWidget* d) {
            prompt = look(d, AmountDialog::kPromptId, AmountDialog::kAmountEditId);
            pressKey(d, Qt::Key_Return);
        });
        int result = 0;
        script.run([&] { result = visit.run(); });
        ASSERT_TRUE(script.finished()) << "way " << way << script.unexpected().join('\n').toStdString();
        EXPECT_EQ(prompt.text, std::string("您提走多少钱?")) << "way " << way;
        EXPECT_EQ(prompt.entry, QStringLiteral("300"));
        EXPECT_EQ(prompt.arrowsUpper, 300);
        EXPECT_TRUE(visit.bankOpenDuringPrompt);
        EXPECT_EQ(visit.deposit, false);
        EXPECT_EQ(visit.amount, 300);
        EXPECT_EQ(result, IDCANCEL);
    }
}

TEST(ServiceDialogs, BankDepositAboveCashIsRefusedAndACancelledPromptStillClosesTheBank)
{
    BankVisit visit{2000, 300, {}, {}};
    QString refusal;
    bool promptStillOpen = false;
    ModalScript script;
    script.then([](QWidget* d) { clickButton(d, IDOK); });
    script.then([](QWidget* d) {
        typeInto(d, AmountDialog::kAmountEditId, QStringLiteral("2001"));
        clickButton(d, IDOK);
    });
    script.then([&](QWidget* box) {
        refusal = textOf(box);
        clickButton(box, IDOK);
    });
    script.then([&](QWidget* d) {
        promptStillOpen = d->windowTitle() == QStringLiteral("现金交易");
        clickButton(d, IDCANCEL);
    });
    int result = 0;
    script.run([&] { result = visit.run(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(refusal, QStringLiteral("Please enter an integer between 0 and 2000."));
    EXPECT_TRUE(promptStillOpen);
    EXPECT_EQ(visit.deposit, true);
    EXPECT_FALSE(visit.amount.has_value());
    EXPECT_EQ(result, IDOK) << "the deposit path closes the bank with OK";
}

TEST(ServiceDialogs, BankDepositOfZeroIsAccepted)
{
    BankVisit visit{2000, 300, {}, {}};
    ModalScript script;
    script.then([](QWidget* d) { pressKey(d, Qt::Key_Return); });
    script.then([](QWidget* d) {
        typeInto(d, AmountDialog::kAmountEditId, QStringLiteral("0"));
        pressKey(d, Qt::Key_Return);
    });
    script.run([&] { visit.run(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(visit.amount, 0);
}

TEST(ServiceDialogs, HospitalAtHealth99AllowsExactlyOnePoint)
{
    const std::string line = std::string("大夫高兴地拍着手：“您的健康点数是99，需要治疗的点数是1。");
    HospitalDialog dialog(line, 1, 1, 1);
    Opened seen;
    QStringList stepped;
    QString refusal;
    ModalScript script;
    script.then([&](QWidget* d) {
        seen = look(d, HospitalDialog::kDoctorLineId, HospitalDialog::kPointsEditId);
        QLineEdit* edit = asTemplate(d)->edit(HospitalDialog::kPointsEditId);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Down);
        stepped << edit->text();
        QTest::keyClick(edit, Qt::Key_Up);
        stepped << edit->text();
        typeInto(d, HospitalDialog::kPointsEditId, QStringLiteral("0"));
        pressKey(d, Qt::Key_Return);
    });
    script.then([&](QWidget* box) {
        refusal = textOf(box);
        clickButton(box, IDOK);
    });
    script.then([](QWidget* d) {
        typeInto(d, HospitalDialog::kPointsEditId, QStringLiteral("1"));
        pressKey(d, Qt::Key_Return);
    });
    int result = 0;
    script.run([&] { result = dialog.runModal(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(seen.title, QStringLiteral("在医院里"));
    EXPECT_EQ(seen.text, line);
    EXPECT_EQ(seen.entry, QStringLiteral("1"));
    EXPECT_TRUE(seen.okFocused);
    EXPECT_EQ(stepped, QStringList({"1", "1"}));
    EXPECT_EQ(refusal, QStringLiteral("Please enter an integer between 1 and 1."));
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.number(), 1);
}

TEST(ServiceDialogs, HospitalShowsTheDoctorsBagAndCancelsWithTheComplaint)
{
    app::installGameArtwork();
    HospitalDialog dialog(std::string("x"), 100, 1, 100);
    QLabel* icon = pictureOf(dialog, HospitalDialog::kDoctorIcon);
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(icon->pos(), QPoint(dialog.units().toPixelsX(5), dialog.units().toPixelsY(5)));
    EXPECT_TRUE(dialog.rect().contains(icon->geometry()));

    ModalScript script;
    script.then([](QWidget* d) {
        typeInto(d, HospitalDialog::kPointsEditId, QStringLiteral("5"));
        clickButton(d, IDCANCEL);
    });
    int result = 0;
    script.run([&] { result = dialog.runModal(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(result, IDCANCEL);
}

TEST(ServiceDialogs, RepayOffersTheWholeDebtAndStepsBoundsBeyondSixteenBits)
{
    const std::string line = std::string("村长在电话中说：\"小子! 你欠俺100000元，快还!\"");
    RepayDialog dialog(line, 100000, 0, 100000);
    Opened seen;
    QString stepped;
    ModalScript script;
    script.then([&](QWidget* d) {
        seen = look(d, RepayDialog::kVillageHeadLineId, RepayDialog::kAmountEditId);
        QLineEdit* edit = asTemplate(d)->edit(RepayDialog::kAmountEditId);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Down);
        stepped = edit->text();
        pressKey(d, Qt::Key_Return);
    });
    int result = 0;
    script.run([&] { result = dialog.runModal(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(seen.title, QStringLiteral("给村长还钱"));
    EXPECT_EQ(seen.text, line);
    EXPECT_EQ(seen.entry, QStringLiteral("100000"));
    EXPECT_TRUE(seen.okFocused);
    EXPECT_EQ(seen.arrowsUpper, 100000) << "not cut to 16 bits";
    EXPECT_EQ(stepped, QStringLiteral("99999"));
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.number(), 99999);
}

TEST(ServiceDialogs, RepayRefusesMoreThanTheDebtAndCancelsWithPah)
{
    RepayDialog dialog(std::string("x"), 5500, 0, 5500);
    QString refusal;
    ModalScript script;
    script.then([](QWidget* d) {
        typeInto(d, RepayDialog::kAmountEditId, QStringLiteral("5501"));
        pressKey(d, Qt::Key_Return);
    });
    script.then([&](QWidget* box) {
        refusal = textOf(box);
        clickButton(box, IDOK);
    });
    script.then([](QWidget* d) { clickButton(d, IDCANCEL); });
    int result = 0;
    script.run([&] { result = dialog.runModal(); });
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(refusal, QStringLiteral("Please enter an integer between 0 and 5500."));
    EXPECT_EQ(result, IDCANCEL);
}

TEST(ServiceDialogs, AirportShowsItsBannerAndClosesEveryWay)
{
    app::installGameArtwork();
    {
        AirportDialog dialog;
        QLabel* banner = pictureOf(dialog, AirportDialog::kBannerBitmap);
        ASSERT_NE(banner, nullptr);
        EXPECT_EQ(banner->pixmap().size(), QSize(149, 17));
        EXPECT_EQ(banner->pos(), QPoint(dialog.units().toPixelsX(48), dialog.units().toPixelsY(57)));
        EXPECT_TRUE(dialog.rect().contains(banner->geometry()));
    }
    for (int way = 0; way < 4; ++way) {
        AirportDialog dialog;
        bool okFocused = false;
        ModalScript script;
        script.then([&, way](QWidget* d) {
            okFocused = d->focusWidget() == asTemplate(d)->button(IDOK);
            if (way == 0)
                pressKey(d, Qt::Key_Return);
            else if (way == 1)
                pressKey(d, Qt::Key_Escape);
            else if (way == 2)
                closeBox(d);
            else
                clickButton(d, IDOK);
        });
        script.run([&] { dialog.runModal(); });
        EXPECT_TRUE(script.finished()) << "way " << way << script.unexpected().join('\n').toStdString();
        EXPECT_TRUE(okFocused);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(ServiceDialogs, LongestTextsFitTheirPlaces)
{
    app::installGameArtwork();
    // Health can stand below 0 before the next day's check, so the doctor may name three digits.
    HospitalDialog hospital(std::string("大夫高兴地拍着手：“您的健康点数是-20，需要治疗的点数是120。"), 120, 1, 120);
    RepayDialog repay(std::string("村长在电话中说：\"小子! 你欠俺99999999元，快还!\""), 99999999, 0, 99999999);
    BankDialog bank(std::string("客户您好! 您的现金是99999999, 您的存款是99999999. 请问您要..."), [](bool) {});
    AmountDialog amount(std::string("您提走多少钱?"), 99999999, 0, 99999999);
    AirportDialog airport;
    for (platform::TemplateDialog* dialog : std::initializer_list<platform::TemplateDialog*>{
             &hospital, &repay, &bank, &amount, &airport}) {
        dialog->show(); // initialisation fills the texts
        expectTextsFit(*dialog);
        dialog->hide();
    }
}
