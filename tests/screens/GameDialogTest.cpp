#include "DialogLayoutCheck.h"
#include "GamePlayer.h"
#include "TickerProbe.h"
#include "platform/Gbk.h"
#include "platform/ReportList.h"
#include "rules/GameState.h"
#include "screens/BuyQuantityDialog.h"
#include "screens/GameDialog.h"
#include "widgets/SegmentDisplay.h"
#include "widgets/TickerControl.h"

#include <QApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <numeric>
#include <gtest/gtest.h>

using platform::IDOK;
using platform::ReportList;
using namespace screens;

namespace {

constexpr std::uint32_t kSeed = 20261207;
constexpr int kQuantityEdit = 1053; // the buy and sell dialogs share it
constexpr int kAmountEdit = 1038;


std::string joined(const QStringList& texts)
{
    return texts.join(QStringLiteral(" | ")).toStdString();
}

// The market row of the cheapest goods today, or of the next cheapest after `skip` others.
int cheapestOffer(const rules::GameState& state, int skip = 0)
{
    std::vector<int> rows(state.offers.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return state.offers[size_t(a)].price < state.offers[size_t(b)].price;
    });
    return rows[size_t(skip)];
}

int holdingIndex(const rules::GameState& state, const std::string& name)
{
    for (size_t i = 0; i < state.holdings.size(); ++i)
        if (state.holdings[i].name == name)
            return int(i);
    return -1;
}

QString displayText(const GameDialog& window, int id)
{
    return QString::fromStdString(window.display(id)->text());
}

std::vector<std::string> gbkColumn(ReportList* list, int column)
{
    std::vector<std::string> texts;
    for (const QString& text : columnTexts(list, column))
        texts.push_back(platform::toGbk(text));
    return texts;
}

// A mouse move with no button held, as the window receives it.
// The strip settles a leave after the delivery that brought it, so the queue is run too.
void hoverWindow(GameDialog& window, QPoint inWindow)
{
    pointerAt(&window, Pointer::Move, inWindow);
    QCoreApplication::processEvents();
}

} // namespace

TEST(GameDialog, OpensWithTheStartingFiguresTheOpeningMarketAndItsColumns)
{
    GamePlayer player;
    player.run(kSeed, [](GameDialog& window) {
        const rules::GameState& state = window.state();
        EXPECT_EQ(state.cash, 2000);
        EXPECT_EQ(state.debt, 5400);
        EXPECT_EQ(state.health, 100);
        EXPECT_EQ(displayText(window, GameDialog::kCashDisplay), "2000");
        EXPECT_EQ(displayText(window, GameDialog::kDebtDisplay), "5400");
        EXPECT_EQ(displayText(window, GameDialog::kSavingsDisplay), "0");
        EXPECT_EQ(displayText(window, GameDialog::kHealthDisplay), "100");
        EXPECT_EQ(window.controlText(GameDialog::kDayCaption), QStringLiteral("都市货郎记"));
        EXPECT_EQ(window.focusWidget(), window.button(IDOK)) << "the focus starts on 离 开";
        EXPECT_FALSE(window.button(GameDialog::kBuyAll)->isVisible());
        EXPECT_FALSE(window.button(GameDialog::kSellAll)->isVisible());

        // The market list shows the offers in their order, each with the row icon.
        ReportList* market = window.marketList();
        ASSERT_EQ(market->rowCount(), int(state.offers.size()));
        EXPECT_GE(market->rowCount(), 5);
        EXPECT_LE(market->rowCount(), 7);
        for (int row = 0; row < market->rowCount(); ++row) {
            EXPECT_EQ(platform::toGbk(market->cellText(row, 0)), state.offers[size_t(row)].name);
            EXPECT_EQ(market->cellText(row, 1), QString::number(state.offers[size_t(row)].price));
            EXPECT_EQ(market->cellText(row, 2), QString());
            EXPECT_FALSE(market->topLevelItem(row)->icon(0).isNull());
        }
        EXPECT_EQ(window.roomList()->rowCount(), 0);

        // The debt shows red on black; the other displays keep their green.
        const auto shows = [&](int display, QRgb colour) {
            const QImage image = window.display(display)->grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) == colour)
                        return true;
            return false;
        };
        EXPECT_TRUE(shows(GameDialog::kDebtDisplay, qRgb(240, 0, 0)));
        EXPECT_FALSE(shows(GameDialog::kDebtDisplay, qRgb(0, 255, 0)));
        EXPECT_FALSE(shows(GameDialog::kDebtDisplay, qRgb(0, 52, 0))) << "unlit segments are black";
        for (int display : {GameDialog::kCashDisplay, GameDialog::kSavingsDisplay, GameDialog::kHealthDisplay}) {
            EXPECT_TRUE(shows(display, qRgb(0, 255, 0))) << display;
            EXPECT_TRUE(shows(display, qRgb(0, 52, 0))) << display;
        }
        // Every label and button shows its whole text.
        expectTextsFit(window);

        const QStringList marketTitles{QStringLiteral("商品"), QStringLiteral("黑市价格"), QString()};
        const QStringList roomTitles{QStringLiteral("商品"), QStringLiteral("买进价格"), QStringLiteral("数量")};
        // Widths for a font whose horizontal unit is 1.5 pixels, as wide again as ours is.
        const int marketWidths[] = {150, 67, 27};
        const int roomWidths[] = {100, 67, 57};
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(market->headerItem()->text(column), marketTitles[column]);
            EXPECT_EQ(market->columnWidth(column), window.units().scalePixelsX(marketWidths[column]));
            EXPECT_EQ(window.roomList()->headerItem()->text(column), roomTitles[column]);
            EXPECT_EQ(window.roomList()->columnWidth(column), window.units().scalePixelsX(roomWidths[column]));
        }
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
}

TEST(GameDialog, BuysWithTheButtonADoubleClickAndADrag)
{
    GamePlayer player;
    player.answer(typeAndEnter(kQuantityEdit, 1))
        .answer(typeAndEnter(kQuantityEdit, 2))
        .answer(typeAndEnter(kQuantityEdit, 3));
    player.run(kSeed, [&](GameDialog& window) {
        ReportList* market = window.marketList();
        ReportList* room = window.roomList();
        const int row = cheapestOffer(window.state());
        const rules::MarketOffer offer = window.state().offers[size_t(row)];

        clickRow(market, row);
        clickControl(window, GameDialog::kBuy);
        EXPECT_EQ(window.focusWidget(), room) << "after a buy the room list has the focus";
        EXPECT_EQ(market->selectedRow(), row) << "the market row stays selected";
        ASSERT_EQ(room->rowCount(), 1);
        EXPECT_EQ(columnTexts(room, 0), QStringList{platform::fromGbk(offer.name)});
        EXPECT_EQ(room->cellText(0, 1), QString::number(offer.price));
        EXPECT_EQ(room->cellText(0, 2), "1");
        EXPECT_EQ(displayText(window, GameDialog::kCashDisplay), QString::number(2000 - offer.price));

        doubleClickRow(market, row);
        EXPECT_EQ(room->cellText(0, 2), "3");

        // Grab the row, carry it onto the room list and let go there.
        const QPoint from = market->visualItemRect(market->topLevelItem(row)).center();
        pointerAt(market->viewport(), Pointer::Press, from);
        pointerAt(market->viewport(), Pointer::Move, from + QPoint(12, 0));
        ASSERT_TRUE(window.isDragging());
        pointerAt(room->viewport(), Pointer::Move, QPoint(20, 60));
        pointerAt(room->viewport(), Pointer::Release, QPoint(20, 60));
        EXPECT_FALSE(window.isDragging());
        EXPECT_EQ(room->rowCount(), 1) << "three purchases of one kind make one row";
        EXPECT_EQ(room->cellText(0, 2), "6");
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
    EXPECT_EQ(player.answersLeft(), 0);
    const rules::GameState& state = player.finalState;
    ASSERT_EQ(state.holdings.size(), 1u);
    EXPECT_EQ(state.holdings[0].quantity, 6);
    EXPECT_EQ(state.roomCount, 6);
    EXPECT_EQ(state.cash, 2000 - 6 * state.holdings[0].purchasePrice);
}

TEST(GameDialog, AQuantityOneAboveTheLimitIsRefusedWithTheRange)
{
    GamePlayer player;
    std::int32_t limit = -1;
    bool stillOpen = false;
    player.answer([&](QWidget* dialog) {
        limit = static_cast<BuyQuantityDialog*>(dialog)->upperBound();
        typeInto(dialog, kQuantityEdit, QString::number(limit + 1));
        pressKey(dialog, Qt::Key_Return);
        stillOpen = dialog->isVisible();
        pressKey(dialog, Qt::Key_Escape);
    });
    player.run(kSeed, [](GameDialog& window) {
        clickRow(window.marketList(), cheapestOffer(window.state()));
        clickControl(window, GameDialog::kBuy);
        EXPECT_EQ(window.roomList()->rowCount(), 0);
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
    ASSERT_GT(limit, 0);
    EXPECT_EQ(player.boxes, QStringList{QStringLiteral("Please enter an integer between 0 and %1.").arg(limit)});
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(player.finalState.cash, 2000);
    EXPECT_EQ(player.finalState.roomCount, 0);
}

TEST(GameDialog, SellingMovesTheSelectionAndFocusToTheMarket)
{
    GamePlayer player;
    std::string prompt;
    player.answer(typeAndEnter(kQuantityEdit, 2)).answer([&](QWidget* dialog) {
        prompt = gbkTextOf(dialog, 1027);
        typeInto(dialog, kQuantityEdit, "1");
        pressKey(dialog, Qt::Key_Return);
    });
    std::string missingName;
    std::string goodsName;
    player.run(kSeed, [&](GameDialog& window) {
        ReportList* market = window.marketList();
        ReportList* room = window.roomList();
        const int row = cheapestOffer(window.state());
        goodsName = window.state().offers[size_t(row)].name;
        clickRow(market, row);
        clickControl(window, GameDialog::kBuy);

        clickRow(room, 0);
        clickControl(window, GameDialog::kSell);
        EXPECT_EQ(room->cellText(0, 2), "1");
        EXPECT_EQ(market->selectedRow(), -1);
        EXPECT_EQ(window.focusWidget(), market);

        // Ride on until the goods are not traded, then try to sell them there.
        for (int press = 0; press < 30 && window.isVisible(); ++press) {
            pressStation(window, press);
            if (!rules::findOffer(window.state(), goodsName))
                break;
        }
        ASSERT_TRUE(window.isVisible());
        ASSERT_EQ(rules::findOffer(window.state(), goodsName), nullptr) << "this seed never drops the goods";
        const int held = holdingIndex(window.state(), goodsName);
        ASSERT_GE(held, 0);
        player.messages.clear();
        clickRow(market, 0);
        clickRow(room, held);
        clickControl(window, GameDialog::kSell);
        missingName = goodsName;
        EXPECT_EQ(market->selectedRow(), -1);
        EXPECT_EQ(window.focusWidget(), market);
        EXPECT_EQ(room->cellText(held, 2), "1") << "nothing was sold";
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
    EXPECT_EQ(prompt, std::string("您有2个") + goodsName + std::string("，想卖出多少？"));
    ASSERT_FALSE(player.messages.empty());
    EXPECT_EQ(player.messages.back(), std::string("哦？这里没有人在这里做") + missingName + std::string("生意。"));
}

TEST(GameDialog, ARowSoldToTheLastItemLeavesNoRowSelected)
{
    // Two kinds in the room; the top one is sold whole, and a second press of sell must not
    // reach the other kind.
    GamePlayer player;
    player.answer(typeAndEnter(kQuantityEdit, 1)).answer(typeAndEnter(kQuantityEdit, 1)).answer(pressEnter());
    player.run(kSeed, [&](GameDialog& window) {
        ReportList* room = window.roomList();
        for (int i = 0; i < 2; ++i) {
            clickRow(window.marketList(), cheapestOffer(window.state(), i));
            clickControl(window, GameDialog::kBuy);
        }
        ASSERT_EQ(room->rowCount(), 2);
        clickRow(room, 0);
        clickControl(window, GameDialog::kSell); // the preset sells all
        ASSERT_EQ(room->rowCount(), 1);
        EXPECT_EQ(room->selectedRow(), -1);
        EXPECT_TRUE(room->selectedItems().isEmpty());
        clickControl(window, GameDialog::kSell);
        EXPECT_EQ(room->cellText(0, 2), "1");
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << "the second sell opened a dialog: " << joined(player.unexpected);
    EXPECT_EQ(player.answersLeft(), 0);
}

TEST(GameDialog, TheBankTakesEnterAsADepositAndEscAsAWithdrawal)
{
    GamePlayer player;
    std::string greeting;
    QString withdrawalPreset;
    player.answer([&](QWidget* bank) {
              greeting = gbkTextOf(bank, 1040);
              pressKey(bank, Qt::Key_Return);
          })
        .answer(typeAndEnter(kAmountEdit, 500))
        .answer([](QWidget* bank) { pressKey(bank, Qt::Key_Escape); })
        .answer([&](QWidget* amount) {
            withdrawalPreset = textOf(amount, kAmountEdit);
            typeInto(amount, kAmountEdit, "200");
            pressKey(amount, Qt::Key_Return);
        });
    player.run(kSeed, [](GameDialog& window) {
        clickControl(window, GameDialog::kBank);
        EXPECT_EQ(displayText(window, GameDialog::kCashDisplay), "1500");
        EXPECT_EQ(displayText(window, GameDialog::kSavingsDisplay), "500");
        clickControl(window, GameDialog::kBank);
        EXPECT_EQ(displayText(window, GameDialog::kCashDisplay), "1700");
        EXPECT_EQ(displayText(window, GameDialog::kSavingsDisplay), "300");
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
    EXPECT_EQ(player.answersLeft(), 0);
    EXPECT_EQ(greeting, std::string("客户您好! 您的现金是2000, 您的存款是0. 请问您要..."));
    EXPECT_EQ(withdrawalPreset, "500");
    EXPECT_EQ(player.finalState.cash, 1700);
    EXPECT_EQ(player.finalState.savings, 300);
}

TEST(GameDialog, TheHospitalAndThePostOfficeRefuseWhatTheyCannotDo)
{
    GamePlayer player;
    std::string villageHead;
    player.answer([&](QWidget* repay) {
        villageHead = gbkTextOf(repay, 1043);
        pressKey(repay, Qt::Key_Return); // the whole debt, more than the cash
    });
    player.run(kSeed, [](GameDialog& window) {
        clickControl(window, GameDialog::kHospital);
        clickControl(window, GameDialog::kPostOffice);
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
    EXPECT_EQ(villageHead, std::string("村长在电话中说：\"小子! 你欠俺5400元，快还!\""));
    const std::vector<std::string> expected{std::string("小护士笑咪咪地望着俺：\"大哥！神经科这边挂号.\""),
                                            std::string("村长哈哈笑道：“你还得起吗?”")};
    EXPECT_EQ(player.messages, expected);
    EXPECT_EQ(player.finalState.debt, 5400);
    EXPECT_EQ(player.finalState.cash, 2000);
}

TEST(GameDialog, ColumnsSortAsGbkBytesAndRememberTheirDirection)
{
    // All names in GBK byte order; a market shows those on offer in the same order.
    std::vector<std::string> byName;
    for (const char* name : {"《上海小宝贝》（禁书）", "盗版VCD、游戏", "假白酒（剧毒！）", "进口玩具", "进口香烟",
                             "水货手机", "伪劣化妆品", "走私汽车"})
        byName.push_back(std::string(name));

    GamePlayer player;
    player.run(kSeed, [&](GameDialog& window) {
        ReportList* market = window.marketList();
        auto offeredNames = [&] {
            std::vector<std::string> names;
            for (const rules::MarketOffer& offer : window.state().offers)
                names.push_back(offer.name);
            return names;
        };
        auto expectedOrder = [&] {
            std::vector<std::string> onOffer;
            const std::vector<std::string> names = offeredNames();
            for (const std::string& name : byName)
                if (std::find(names.begin(), names.end(), name) != names.end())
                    onOffer.push_back(name);
            return onOffer;
        };
        auto clickHeader = [](ReportList* list, int column) {
            QHeaderView* header = list->header();
            const QPoint at(header->sectionViewportPosition(column) + 5, header->height() / 2);
            pointerAt(header->viewport(), Pointer::Click, at);
        };

        clickHeader(market, 0);
        std::vector<std::string> ascending = expectedOrder();
        EXPECT_EQ(gbkColumn(market, 0), ascending);
        EXPECT_EQ(offeredNames(), ascending) << "the offers follow their rows";
        clickHeader(market, 0);
        std::reverse(ascending.begin(), ascending.end());
        EXPECT_EQ(gbkColumn(market, 0), ascending);

        // Prices are texts too: "1000" comes before "200".
        clickHeader(market, 1);
        std::vector<std::string> prices = gbkColumn(market, 1);
        EXPECT_TRUE(std::is_sorted(prices.begin(), prices.end())) << joined(columnTexts(market, 1));
        for (int row = 0; row < market->rowCount(); ++row)
            EXPECT_EQ(market->cellText(row, 1), QString::number(window.state().offers[size_t(row)].price));

        // A new day brings catalogue order back; the price column then sorts the other way.
        pressStation(window, 0);
        EXPECT_EQ(window.controlText(GameDialog::kDayCaption), QStringLiteral("都市货郎(1/40天)"));
        const std::vector<std::string> names = offeredNames();
        for (size_t i = 1; i < names.size(); ++i)
            EXPECT_LT(catalogueIndex(names[i - 1]), catalogueIndex(names[i]));
        clickHeader(market, 1);
        prices = gbkColumn(market, 1);
        EXPECT_TRUE(std::is_sorted(prices.rbegin(), prices.rend())) << joined(columnTexts(market, 1));
        clickHeader(market, 0);
        EXPECT_EQ(gbkColumn(market, 0), expectedOrder()) << "another column sorts ascending again";

        // With nothing selected, the focus row goes on standing on its goods.
        market->clearSelection();
        const QModelIndex last = market->model()->index(market->rowCount() - 1, 0);
        market->selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
        const QString focused = market->cellText(last.row(), 0);
        clickHeader(market, 0);
        ASSERT_EQ(market->cellText(0, 0), focused) << "the last row comes first in the other direction";
        EXPECT_EQ(market->currentIndex().row(), 0);
        EXPECT_EQ(market->selectedRow(), -1) << "and nothing is selected by the sort";
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
}

TEST(GameDialog, TheRoomSortReordersTheHoldingsAndSalesFollowTheRows)
{
    GamePlayer player;
    player.answer(typeAndEnter(kQuantityEdit, 1)).answer(typeAndEnter(kQuantityEdit, 1));
    std::string sellPrompt;
    player.answer([&](QWidget* dialog) {
        sellPrompt = gbkTextOf(dialog, 1027);
        pressKey(dialog, Qt::Key_Escape);
    });
    std::string firstAfterSort;
    player.run(kSeed, [&](GameDialog& window) {
        // The two cheapest goods of the day, one of each.
        for (int i = 0; i < 2; ++i) {
            clickRow(window.marketList(), cheapestOffer(window.state(), i));
            clickControl(window, GameDialog::kBuy);
        }
        ReportList* room = window.roomList();
        ASSERT_EQ(room->rowCount(), 2);
        // Sort by name, both ways: the rows and the holdings stay together.
        for (int click = 0; click < 2; ++click) {
            QHeaderView* header = room->header();
            pointerAt(header->viewport(), Pointer::Click, QPoint(5, header->height() / 2));
            const std::vector<std::string> shown = gbkColumn(room, 0);
            EXPECT_EQ(click == 0, shown[0] < shown[1]);
            for (size_t i = 0; i < shown.size(); ++i)
                EXPECT_EQ(window.state().holdings[i].name, shown[i]);
        }
        firstAfterSort = platform::toGbk(room->cellText(0, 0));
        clickRow(room, 0);
        clickControl(window, GameDialog::kSell);
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
    EXPECT_EQ(sellPrompt, std::string("您有1个") + firstAfterSort + std::string("，想卖出多少？"));
}

TEST(GameDialog, EnterInEitherListLeavesTheGame)
{
    for (int id : {GameDialog::kMarketList, GameDialog::kRoomList}) {
        GamePlayer player;
        bool closedByEnter = false;
        const int result = player.run(kSeed, [&](GameDialog& window) {
            ReportList* list = id == GameDialog::kMarketList ? window.marketList() : window.roomList();
            list->setFocus();
            pressKey(&window, Qt::Key_Return);
            closedByEnter = !window.isVisible();
        });
        EXPECT_TRUE(closedByEnter) << id;
        EXPECT_EQ(result, IDOK) << id;
        EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
    }
}

TEST(GameDialog, ADragTradesOnlyWhenDroppedOnTheOtherList)
{
    GamePlayer player;
    player.run(kSeed, [&](GameDialog& window) {
        ReportList* market = window.marketList();
        ReportList* room = window.roomList();
        const int row = cheapestOffer(window.state());
        const QRect rowRect = market->visualItemRect(market->topLevelItem(row));
        const QPoint grab = rowRect.topLeft() + QPoint(30, rowRect.height() / 2);
        auto startDrag = [&] {
            clickRow(market, row);
            pointerAt(market->viewport(), Pointer::Press, grab);
            pointerAt(market->viewport(), Pointer::Move, grab + QPoint(0, 10));
            ASSERT_TRUE(window.isDragging());
        };
        auto cursorShape = [] {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            return cursor ? cursor->shape() : Qt::BlankCursor;
        };
        auto moveTo = [&](QPoint inWindow) { pointerAt(&window, Pointer::Move, inWindow); };
        auto dropAt = [&](QPoint inWindow) {
            moveTo(inWindow);
            pointerAt(&window, Pointer::Release, inWindow);
            EXPECT_FALSE(window.isDragging());
            EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        };

        // The picture keeps the grab offset and is clear where the row draws nothing.
        startDrag();
        const QPoint overMarket = market->viewport()->mapTo(&window, QPoint(40, 40));
        moveTo(overMarket);
        const auto* picture = static_cast<const QLabel*>(window.dragPicture());
        ASSERT_NE(picture, nullptr);
        const QPoint grabInList = market->viewport()->mapTo(market, grab);
        const QPoint rowInList = market->viewport()->mapTo(market, rowRect.topLeft());
        EXPECT_EQ(picture->pos(), window.mapToGlobal(overMarket) - (grabInList - rowInList));
        const QImage image = picture->pixmap().toImage();
        bool clear = false, drawn = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                (qAlpha(image.pixel(x, y)) == 0 ? clear : drawn) = true;
        EXPECT_TRUE(clear && drawn);
        EXPECT_EQ(cursorShape(), Qt::ArrowCursor) << "the source list takes the arrow too";

        // Over a button, the ticker, the header: the forbidden cursor; then back on a list.
        for (QWidget* elsewhere : {static_cast<QWidget*>(window.button(GameDialog::kBank)),
                                   static_cast<QWidget*>(window.ticker()),
                                   static_cast<QWidget*>(room->header())}) {
            moveTo(elsewhere->mapTo(&window, elsewhere->rect().center()));
            EXPECT_EQ(cursorShape(), Qt::ForbiddenCursor) << elsewhere->metaObject()->className();
        }
        moveTo(room->viewport()->mapTo(&window, QPoint(20, 20)));
        EXPECT_EQ(cursorShape(), Qt::ArrowCursor);
        dropAt(overMarket); // its own list: nothing

        startDrag();
        dropAt(room->header()->mapTo(&window, room->header()->rect().center()));
        startDrag();
        dropAt(QPoint(window.width() + 50, window.height() / 2)); // outside the window
        startDrag();
        dropAt(window.button(GameDialog::kBank)->mapTo(&window, QPoint(5, 5)));
        EXPECT_EQ(room->rowCount(), 0);
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << "no drop opened a dialog: " << joined(player.unexpected);
    EXPECT_EQ(player.finalState.cash, 2000);
}

TEST(GameDialog, AGameEndedInTheMiddleOfADragTakesThePictureAndTheMouseWithIt)
{
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        GamePlayer player;
        player.run(kSeed, [&](GameDialog& window) {
            ReportList* market = window.marketList();
            const QPoint grab = market->visualItemRect(market->topLevelItem(0)).center();
            clickRow(market, 0);
            pointerAt(market->viewport(), Pointer::Press, grab);
            pointerAt(market->viewport(), Pointer::Move, grab + QPoint(0, 12));
            ASSERT_TRUE(window.isDragging());
            ASSERT_TRUE(window.dragPicture() && window.dragPicture()->isVisible());
            pressKey(&window, key); // Esc cancels, Enter presses the focused leave button
            EXPECT_FALSE(window.isVisible());
            pointerAt(market->viewport(), Pointer::Release, grab); // the button comes up late
        });
        EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
        for (QWidget* shown : QApplication::topLevelWidgets())
            EXPECT_FALSE(shown->isVisible()) << "left on the screen: " << shown->metaObject()->className();
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST(GameDialog, TheTickerStopsUnderTheMouseAndGoesOnWhenItLeaves)
{
    if (!ticker_probe::onlySyntheticPointer())
        GTEST_SKIP() << "the window system tracks a pointer of its own";
    GamePlayer player;
    player.run(kSeed, [](GameDialog& window) {
        widgets::TickerControl* ticker = window.ticker();
        ASSERT_TRUE(ticker_probe::scrolling(*ticker));
        // Two pixels a tick, seen on a tip of our own once it is well inside the strip.
        ticker->setText("|MMMMMMMM|");
        for (int i = 0; i < 100; ++i)
            ticker_probe::tick(*ticker);
        EXPECT_EQ(ticker_probe::pixelsPerTick(*ticker), 2);
        hoverWindow(window, ticker->mapTo(&window, ticker->rect().center()));
        EXPECT_FALSE(ticker_probe::scrolling(*ticker));
        EXPECT_TRUE(ticker_probe::bumped(*ticker)) << "a bump border while it stands";
        // Off the strip onto the status group, whose frame and labels let the moves through.
        const QPoint overGroup(window.units().toPixelsX(20), window.units().toPixelsY(232));
        const QList<QGroupBox*> groups = window.findChildren<QGroupBox*>();
        ASSERT_TRUE(std::any_of(groups.begin(), groups.end(),
                                [&](QGroupBox* group) { return group->geometry().contains(overGroup); }));
        hoverWindow(window, overGroup);
        EXPECT_TRUE(ticker_probe::scrolling(*ticker));
        EXPECT_FALSE(ticker_probe::bumped(*ticker));
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
}

TEST(GameDialog, AWholeGameOfFortyStationPressesThroughTheWindow)
{
    // The same seed and the same trader as the rules' own forty-day game, played here with
    // clicks: the window must arrive at exactly the same figures.
    GamePlayer player;
    int presses = 0;
    const int result = player.run(20240607, [&](GameDialog& window) {
        presses = WindowTrader([&](ModalScript::Step step) { player.answer(std::move(step)); }, window).playGame();
    });
    EXPECT_TRUE(player.unexpected.isEmpty()) << joined(player.unexpected);
    EXPECT_EQ(player.answersLeft(), 0);
    EXPECT_EQ(presses, 40);
    EXPECT_EQ(result, IDOK);
    ASSERT_FALSE(player.messages.empty());
    EXPECT_EQ(player.messages.back(), std::string("俺已经在北京40天了，该回去结婚去了。"));
    const rules::GameState& state = player.finalState;
    EXPECT_EQ(state.daysLeft, 0);
    EXPECT_EQ(state.cash, 33310);
    EXPECT_EQ(state.savings, 140624);
    EXPECT_EQ(state.debt, 0);
    EXPECT_EQ(state.health, 85);
    EXPECT_EQ(state.roomCount, 100);
}
