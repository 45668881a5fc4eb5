#include "RecordingHost.h"
#include "rules/DayAdvance.h"
#include "rules/EndOfGame.h"
#include "rules/Services.h"
#include "rules/Trading.h"

#include <gtest/gtest.h>

#include <set>

using namespace rules;

namespace {

int goodsIndex(const std::string& name)
{
    for (int i = 0; i < kGoodsCount; ++i)
        if (name == GoodsCatalogue[size_t(i)].name)
            return i;
    return -1;
}

void expectConsistent(const GameState& state)
{
    int count = 0;
    std::set<std::string> names;
    for (const RoomHolding& holding : state.holdings) {
        EXPECT_GE(holding.quantity, 1);
        EXPECT_TRUE(names.insert(holding.name).second) << "two rows of one kind";
        count += holding.quantity;
    }
    EXPECT_EQ(state.roomCount, count);
    EXPECT_LE(state.roomCount, state.roomCapacity);
    int previous = -1;
    for (const MarketOffer& offer : state.offers) {
        EXPECT_GE(offer.price, 1);
        EXPECT_GT(goodsIndex(offer.name), previous) << "the market keeps catalogue order";
        previous = goodsIndex(offer.name);
    }
    EXPECT_GE(state.cash, 0);
    EXPECT_GE(state.savings, 0);
    EXPECT_GE(state.debt, 0);
}

// A plain trader: sells whatever the market takes, pays the village head off as soon as it
// can, sees the doctor when weak, and buys the goods that is cheapest against its band.
class ScriptedTrader {
public:
    ScriptedTrader(GameState& state, RandomSource& random) : state_(state), host_(state), random_(random) {}

    int playGame()
    {
        beginGame(state_, host_, random_);
        int presses = 0;
        while (host_.endRequests.empty()) {
            trade();
            expectConsistent(state_);
            advanceDay(state_, host_, random_);
            ++presses;
            expectConsistent(state_);
        }
        return presses;
    }

    RecordingHost& host() { return host_; }

private:
    void trade()
    {
        for (int i = int(state_.holdings.size()) - 1; i >= 0; --i) {
            if (!findOffer(state_, state_.holdings[size_t(i)].name))
                continue;
            host_.roomSelection = i;
            host_.sellAnswers = {state_.holdings[size_t(i)].quantity};
            EXPECT_EQ(sellSelected(state_, host_), SellResult::Removed);
        }
        if (state_.debt > 0 && state_.cash >= state_.debt) {
            host_.repayAnswers = {state_.debt};
            openPostOffice(state_, host_);
            EXPECT_EQ(state_.debt, 0);
        }
        if (state_.health < 60 && state_.cash > (100 - state_.health) * 3500 + 2000) {
            host_.hospitalAnswers = {100 - state_.health};
            openHospital(state_, host_);
            EXPECT_EQ(state_.health, 100);
        }
        if (state_.daysLeft > 1)
            buyCheapest();
        if (state_.cash > 50000) { // keep some of the gains in the bank
            host_.bankChoices = {BankChoice::Deposit};
            host_.amountAnswers = {state_.cash / 2};
            openBank(state_, host_);
        }
    }

    void buyCheapest()
    {
        int best = -1;
        double bestRatio = 0.8; // only a real bargain against the middle of the band
        for (size_t i = 0; i < state_.offers.size(); ++i) {
            const Goods& goods = GoodsCatalogue[size_t(goodsIndex(state_.offers[i].name))];
            const double ratio = state_.offers[i].price / (goods.priceBase + goods.priceSpan / 2.0);
            if (state_.offers[i].price <= state_.cash && ratio < bestRatio) {
                bestRatio = ratio;
                best = int(i);
            }
        }
        if (best < 0)
            return;
        host_.marketSelection = best;
        host_.buyAnswers = {purchaseLimit(state_, state_.offers[size_t(best)].price)};
        buySelected(state_, host_);
    }

    GameState& state_;
    RecordingHost host_;
    RandomSource& random_;
};

} // namespace

TEST(FullGame, FortyDaysOfAScriptedTraderFromAFixedSeed)
{
    CountingRandom random(20240607);
    GameState state;
    ScriptedTrader trader(state, random);
    const int presses = trader.playGame();
    std::cout << "final: cash " << state.cash << " savings " << state.savings << " debt " << state.debt
              << " health " << state.health << " room " << state.roomCount << " days left " << state.daysLeft
              << " draws " << random.draws << " wealth " << finalWealth(state) << "\n";
    EXPECT_EQ(presses, 40);
    EXPECT_EQ(state.daysLeft, 0);
    EXPECT_EQ(trader.host().endRequests, std::vector<GameEnd>{GameEnd::Ok});
    EXPECT_EQ(trader.host().messages().back(), "俺已经在北京40天了，该回去结婚去了。");
    // The figures this seed and this trader arrive at (computed once by this test, then fixed
    // here, so any change to a rule, a table or the order of draws shows up).
    EXPECT_EQ(state.cash, 33310);
    EXPECT_EQ(state.savings, 140624);
    EXPECT_EQ(state.debt, 0);
    EXPECT_EQ(state.health, 85);
    EXPECT_EQ(state.roomCount, 100);
    EXPECT_EQ(random.draws, 1815u);
    EXPECT_EQ(finalWealth(state), 173934);
}

TEST(FullGame, HealthEventsAndMoneyLossesComeAtTheirUsualRates)
{
    GameRandom random(1234567);
    GameState state;
    state.daysLeft = 1000000; // the game never ends here
    state.health = 1000000;
    RecordingHost host(state);
    const int days = 20000;
    int healthDays = 0, moneyDays = 0;
    for (int day = 0; day < days; ++day) {
        state.cash = 100000; // something to lose every day, in both accounts
        state.savings = 100000;
        state.debt = 0;
        host.clear();
        advanceDay(state, host, random);
        bool health = false, money = false;
        for (const std::string& text : host.messages()) {
            health = health || text.find("俺的健康减少了") != std::string::npos;
            money = money || text.find("俺的银子减少了") != std::string::npos || text.find("俺的存款减少了") != std::string::npos;
        }
        healthDays += health;
        moneyDays += money;
    }
    const double healthShare = 100.0 * healthDays / days;
    const double moneyShare = 100.0 * moneyDays / days;
    std::cout << "days with a health event: " << healthShare << " %, with a money loss: " << moneyShare << " %\n";
    EXPECT_NEAR(healthShare, 22.0, 1.5);
    EXPECT_NEAR(moneyShare, 13.0, 1.5);
}
