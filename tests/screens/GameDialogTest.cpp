#include "ModalScript.h"
#include "platform/Gbk.h"
#include "platform/ReportList.h"
#include "rules/Random.h"
#include "screens/GameDialog.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr std::uint32_t kSeed = 20261207;

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
}

QPoint rowCenter(ReportList* list, int row)
{
    return list->visualItemRect(list->topLevelItem(row)).center();
}

void clickRow(ReportList* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCenter(list, row));
}

QStringList columnTexts(ReportList* list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts << list->cellText(row, column);
    return texts;
}

GameDialog& game(QWidget* top)
{
    return *static_cast<GameDialog*>(top);
}

// The game window as the first modal dialog; `script`'s later steps answer what it opens.
struct Played {
    int result = 0;
    rules::GameState state;
};

Played play(ModalScript& script)
{
    Played played;
    script.run([&] {
        rules::seedRandom(kSeed);
        GameDialog window;
        played.result = window.runModal();
        played.state = window.state();
    });
    return played;
}

// The market row of the cheapest goods today.
int cheapestOffer(const GameDialog& window)
{
    const auto& offers = window.state().offers;
    int best = 0;
    for (size_t i = 1; i < offers.size(); ++i)
        if (offers[i].price < offers[size_t(best)].price)
            best = int(i);
    return best;
}

void acceptWith(QWidget* dialog, int editId, int value)
{
    typeInto(dialog, editId, QString::number(value));
    pressKey(dialog, Qt::Key_Return);
}

constexpr int kQuantityEdit = 1053;

} // namespace

TEST(GameDialog, OpensWithTheStartingFiguresAndTheTemplateCaption)
{
    rules::GameState seen;
    QString caption;
    bool focusOnLeave = false;
    int marketRows = 0;
    ModalScript script;
    script.then([&](QWidget* top) {
        seen = game(top).state();
        caption = game(top).controlText(GameDialog::kDayCaption);
        focusOnLeave = top->focusWidget() == game(top).button(IDOK);
        marketRows = game(top).marketList()->rowCount();
        pressKey(top, Qt::Key_Escape);
    });
    const Played played = play(script);
    EXPECT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(seen.cash, 2000);
    EXPECT_EQ(seen.debt, 5400);
    EXPECT_EQ(seen.savings, 0);
    EXPECT_EQ(seen.health, 100);
    EXPECT_EQ(caption, utf8("都市货郎记"));
    EXPECT_TRUE(focusOnLeave);
    EXPECT_GE(marketRows, 5);
    EXPECT_LE(marketRows, 7);
    EXPECT_EQ(played.result, IDCANCEL);
}

TEST(GameDialog, BuysWithTheButtonADoubleClickAndADrag)
{
    QStringList buyTexts;
    rules::GameState after;
    QWidget* focusAfterBuy = nullptr;
    bool marketRowKept = false;
    QStringList roomNames;
    ModalScript script;
    script
        .then([&](QWidget* top) {
            GameDialog& window = game(top);
            const int row = cheapestOffer(window);
            clickRow(window.marketList(), row);
            QTest::mouseClick(window.button(GameDialog::kBuy), Qt::LeftButton); // quantity 1
            focusAfterBuy = top->focusWidget();
            marketRowKept = window.marketList()->selectedRow() == row;
            QTest::mouseDClick(window.marketList()->viewport(), Qt::LeftButton, {}, rowCenter(window.marketList(), row));
            // Drag the row onto the room list and let go there.
            ReportList* market = window.marketList();
            const QPoint from = rowCenter(market, row);
            QTest::mousePress(market->viewport(), Qt::LeftButton, {}, from);
            QTest::mouseMove(market->viewport(), from + QPoint(12, 0));
            const QPoint onRoom = window.roomList()->viewport()->mapTo(top, QPoint(20, 60));
            QTest::mouseMove(top, onRoom);
            QTest::mouseRelease(top, Qt::LeftButton, {}, onRoom);
            after = window.state();
            roomNames = columnTexts(window.roomList(), 0);
            pressKey(top, Qt::Key_Escape);
        })
        .then([&](QWidget* d) { buyTexts << textOf(d, 1022); acceptWith(d, kQuantityEdit, 1); })
        .then([&](QWidget* d) { buyTexts << textOf(d, 1022); acceptWith(d, kQuantityEdit, 2); })
        .then([&](QWidget* d) { buyTexts << textOf(d, 1022); acceptWith(d, kQuantityEdit, 3); });
    play(script);
    ASSERT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    ASSERT_EQ(buyTexts.size(), 3);
    EXPECT_TRUE(buyTexts[0].contains(utf8("最多可以买"))) << buyTexts[0].toStdString();
    ASSERT_EQ(after.holdings.size(), 1u) << "three purchases of one kind make one row";
    EXPECT_EQ(after.holdings[0].quantity, 6);
    EXPECT_EQ(after.roomCount, 6);
    EXPECT_EQ(after.cash, 2000 - 6 * after.holdings[0].purchasePrice);
    EXPECT_EQ(roomNames.size(), 1);
    EXPECT_TRUE(marketRowKept);
    EXPECT_NE(focusAfterBuy, nullptr);
}
