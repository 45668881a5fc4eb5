#include "RecordingHost.h"
#include "rules/Trading.h"

#include <gtest/gtest.h>

#include <limits>

using namespace rules;

namespace {

const std::string kNothingSelected = "diary: 我还没有选定买什么物品呢。";
const std::string kTooLittleCash = "diary: 俺带的现金不够，去银行提点钱吧。";
const std::string kRoomTooSmall = "diary: 可惜!俺租的房子太小，只能放100个物品。";

GameState market()
{
    GameState state;
    state.offers = {{"进口香烟", 449}, {"盗版VCD、游戏", 30}, {"水货手机", 1000}};
    return state;
}

} // namespace

TEST(PurchaseLimit, IsWhatTheCashPaysForButNoMoreThanTheRoomTakes)
{
    GameState state;
    state.cash = 2000;
    EXPECT_EQ(purchaseLimit(state, 449), 4);
    state.cash = 10000;
    state.roomCount = 97;
    EXPECT_EQ(purchaseLimit(state, 100), 3);
    state.roomCount = 0;
    state.cash = 777;
    EXPECT_EQ(purchaseLimit(state, 777), 1);
    state.roomCount = 100;
    EXPECT_EQ(purchaseLimit(state, 1), 0);
}

TEST(Buying, NeedsASelectionAndTheCashForOne)
{
    GameState state = market();
    RecordingHost host(state);
    EXPECT_EQ(buySelected(state, host), BuyResult::NoSelection);
    EXPECT_EQ(host.log, std::vector<std::string>{kNothingSelected});

    host.clear();
    host.marketSelection = 2;
    state.cash = 999;
    EXPECT_EQ(buySelected(state, host), BuyResult::NotEnoughCash);
    EXPECT_EQ(host.log, std::vector<std::string>{kTooLittleCash});

    host.clear();
    host.marketSelection = 7; // a row the market does not have
    EXPECT_EQ(buySelected(state, host), BuyResult::NoSelection);
    EXPECT_EQ(state.cash, 999);
}

TEST(Buying, ANewKindGoesToTheFrontAndAHeldKindIsMergedInPlace)
{
    GameState state = market();
    state.holdings = {{"水货手机", 900, 2}};
    state.roomCount = 2;
    RecordingHost host(state);
    host.marketSelection = 0;
    host.buyAnswers = {4};
    EXPECT_EQ(buySelected(state, host), BuyResult::Added);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].upper, 4);
    EXPECT_EQ(host.questions[0].preset, 4);
    EXPECT_EQ(host.questions[0].lower, 0);
    // The cash and the goods name, as the buy dialog shows them beside "您的现金是".
    EXPECT_EQ(host.questions[0].prompt, "2000元人民币,最多可以买4个进口香烟。");
    EXPECT_EQ(host.log, (std::vector<std::string>{"buy?", "cash=204", "row+0"}));
    EXPECT_EQ(state.holdings[0].name, "进口香烟");
    EXPECT_EQ(state.holdings[0].purchasePrice, 449);
    EXPECT_EQ(state.holdings[0].quantity, 4);
    EXPECT_EQ(state.roomCount, 6);

    // Next day the phones are cheaper: the price paid replaces the old one, no average.
    state.offers[2].price = 100;
    host.clear();
    host.marketSelection = 2;
    host.buyAnswers = {2};
    EXPECT_EQ(buySelected(state, host), BuyResult::Merged);
    EXPECT_EQ(host.log, (std::vector<std::string>{"buy?", "cash=4", "row~1"}));
    EXPECT_EQ(state.holdings[1].quantity, 4);
    EXPECT_EQ(state.holdings[1].purchasePrice, 100);
    EXPECT_EQ(state.roomCount, 8);
}

TEST(Buying, AFullRoomOffersZeroAndZeroOfANewKindIsRefused)
{
    GameState state = market();
    state.cash = 50000;
    state.holdings = {{"水货手机", 900, 100}};
    state.roomCount = 100;
    RecordingHost host(state);
    host.marketSelection = 1;
    host.buyAnswers = {0, 0};
    EXPECT_EQ(buySelected(state, host), BuyResult::RoomTooSmall);
    EXPECT_EQ(host.questions[0].upper, 0);
    EXPECT_EQ(host.questions[0].prompt, "50000元人民币,最多可以买0个盗版VCD、游戏。");
    EXPECT_EQ(host.log, (std::vector<std::string>{"buy?", "cash=50000", kRoomTooSmall}));
    EXPECT_EQ(state.holdings.size(), 1u);

    // Zero of a held kind: no change in number, but today's price becomes the purchase price.
    host.clear();
    host.marketSelection = 2;
    EXPECT_EQ(buySelected(state, host), BuyResult::Merged);
    EXPECT_EQ(state.holdings[0].quantity, 100);
    EXPECT_EQ(state.holdings[0].purchasePrice, 1000);
    EXPECT_EQ(state.cash, 50000);
}

TEST(Buying, ACancelOrAnAnswerBeyondTheLimitChangesNothing)
{
    GameState state = market();
    RecordingHost host(state);
    host.marketSelection = 1;
    host.buyAnswers = {std::nullopt, 67, -1};
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_EQ(buySelected(state, host), BuyResult::Cancelled);
    EXPECT_EQ(host.log, (std::vector<std::string>{"buy?", "buy?", "buy?"}));
    EXPECT_EQ(state.cash, 2000);
    EXPECT_EQ(state.roomCount, 0);
    EXPECT_TRUE(state.holdings.empty());
}

TEST(Selling, NoSelectionDoesNothingAndAnUntradedKindIsNamed)
{
    GameState state = market();
    state.holdings = {{"伪劣化妆品", 70, 3}};
    state.roomCount = 3;
    RecordingHost host(state);
    EXPECT_EQ(sellSelected(state, host), SellResult::NoSelection);
    EXPECT_TRUE(host.log.empty());

    host.roomSelection = 0;
    EXPECT_EQ(sellSelected(state, host), SellResult::NotTraded);
    EXPECT_EQ(host.log, std::vector<std::string>{"diary: 哦？这里没有人在这里做伪劣化妆品生意。"});
    state.holdings[0].name = "走私汽车";
    host.clear();
    sellSelected(state, host);
    EXPECT_EQ(host.log, std::vector<std::string>{"diary: 哦？这里没有人在这里做走私汽车生意。"});
    EXPECT_TRUE(host.questions.empty());
}

TEST(Selling, SomeUnitsReduceTheRowAllUnitsRemoveIt)
{
    GameState state = market();
    state.holdings = {{"盗版VCD、游戏", 10, 15}, {"水货手机", 800, 5}};
    state.roomCount = 20;
    RecordingHost host(state);
    host.roomSelection = 1;
    host.sellAnswers = {2, 0, 3};
    EXPECT_EQ(sellSelected(state, host), SellResult::Reduced);
    EXPECT_EQ(host.questions[0].upper, 5);
    EXPECT_EQ(host.questions[0].preset, 5);
    EXPECT_EQ(host.questions[0].prompt, "您有5个水货手机，想卖出多少？");
    EXPECT_EQ(host.log, (std::vector<std::string>{"sell?", "cash=4000", "row~1"}));
    EXPECT_EQ(state.holdings[1].quantity, 3);
    EXPECT_EQ(state.holdings[1].purchasePrice, 800);
    EXPECT_EQ(state.roomCount, 18);

    EXPECT_EQ(sellSelected(state, host), SellResult::Reduced); // 0 units
    EXPECT_EQ(state.cash, 4000);
    EXPECT_EQ(state.holdings[1].quantity, 3);

    host.clear();
    EXPECT_EQ(sellSelected(state, host), SellResult::Removed);
    EXPECT_EQ(host.questions[2].prompt, "您有3个水货手机，想卖出多少？");
    EXPECT_EQ(host.log, (std::vector<std::string>{"sell?", "cash=7000", "row-1"}));
    ASSERT_EQ(state.holdings.size(), 1u);
    EXPECT_EQ(state.holdings[0].name, "盗版VCD、游戏");
    EXPECT_EQ(state.roomCount, 15);
}

TEST(Selling, ACancelChangesNothingAndProceedsSaturate)
{
    GameState state = market();
    state.holdings = {{"水货手机", 800, 5}};
    state.roomCount = 5;
    RecordingHost host(state);
    host.roomSelection = 0;
    host.sellAnswers = {std::nullopt, 6};
    EXPECT_EQ(sellSelected(state, host), SellResult::Cancelled);
    EXPECT_EQ(sellSelected(state, host), SellResult::Cancelled) << "more than held";
    EXPECT_EQ(state.holdings[0].quantity, 5);
    EXPECT_EQ(state.cash, 2000);

    // The phones sell at 1000 today.
    state.cash = std::numeric_limits<std::int32_t>::max() - 1000;
    host.sellAnswers = {5};
    EXPECT_EQ(sellSelected(state, host), SellResult::Removed);
    EXPECT_EQ(state.cash, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(state.roomCount, 0);
}
