#include "RecordingHost.h"
#include "rules/DayAdvance.h"
#include "rules/SavedGame.h"
#include "rules/Trading.h"

#include <gtest/gtest.h>

using namespace rules;

namespace {

// A day of a plain trader: sells what today's market takes, buys all it can of the first offer
// it can pay, and sorts its room by quantity, so that lists and their sorts have something to keep.
void trade(GameState& state, RecordingHost& host, ColumnSort& roomSort)
{
    for (int i = int(state.holdings.size()) - 1; i >= 0; --i) {
        if (findOffer(state, state.holdings[size_t(i)].name)) {
            host.roomSelection = i;
            host.sellAnswers = {state.holdings[size_t(i)].quantity};
            sellSelected(state, host);
        }
    }
    for (size_t i = 0; i < state.offers.size(); ++i) {
        if (state.offers[i].price <= state.cash && state.roomCount < state.roomCapacity) {
            host.marketSelection = int(i);
            host.buyAnswers = {purchaseLimit(state, state.offers[i].price)};
            buySelected(state, host);
            break;
        }
    }
    sortByColumn(state, List::Room, roomSort, 2);
}

} // namespace

TEST(SavedGame, AGameReadBackAfterAnyDayPlaysOnExactlyAsTheOneThatWasSaved)
{
    GameRandom random(20261209);
    SavedGame game;
    RecordingHost host(game.state);
    beginGame(game.state, host, random);
    int compared = 0;
    while (host.endRequests.empty()) {
        trade(game.state, host, game.roomSort);
        game.diceState = random.state();
        const std::string saved = formatSavedGame(game);
        const std::optional<SavedGame> read = parseSavedGame(saved);
        ASSERT_TRUE(read) << saved;
        ASSERT_EQ(formatSavedGame(*read), saved);

        // The game read back and the one that was saved go on side by side for a day.
        SavedGame resumed = *read;
        GameRandom resumedDice(resumed.diceState);
        RecordingHost resumedHost(resumed.state);
        host.clear();
        advanceDay(game.state, host, random);
        advanceDay(resumed.state, resumedHost, resumedDice);
        resumed.diceState = resumedDice.state();
        game.diceState = random.state();
        ASSERT_EQ(formatSavedGame(resumed), formatSavedGame(game)) << "day " << compared;
        ASSERT_EQ(resumedHost.log, host.log) << "day " << compared;
        ++compared;
    }
    EXPECT_EQ(compared, 40);
    EXPECT_GT(game.state.roomCount + int(game.state.holdings.size()), 0);
}

TEST(SavedGame, NothingButAWholeGameWithinTheGamesOwnRangesIsRead)
{
    SavedGame game;
    game.diceState = 4000000000u;
    game.state.debt = 5400;
    game.state.prices = {0, 150, 0, 7000, 0, 600, 20, 0};
    game.state.offers = {{GoodsCatalogue[5].name, 600}, {GoodsCatalogue[1].name, 150},
                         {GoodsCatalogue[3].name, 7000}, {GoodsCatalogue[6].name, 20}};
    game.state.holdings = {{GoodsCatalogue[2].name, 0, 3}, {GoodsCatalogue[1].name, 140, 97}};
    game.state.roomCount = 100;
    game.marketSort = {1, false};
    game.player = "小vu";
    const std::string good = formatSavedGame(game);
    ASSERT_TRUE(parseSavedGame(good));
    EXPECT_EQ(formatSavedGame(*parseSavedGame(good)), good);

    // Cut short anywhere, the last line included.
    for (std::size_t length = 0; length < good.size(); ++length)
        EXPECT_FALSE(parseSavedGame(good.substr(0, length))) << length << " bytes";

    const auto changed = [&good](const std::string& from, const std::string& to) {
        const std::size_t at = good.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return std::string(good).replace(at, from.size(), to);
    };
    const std::pair<std::string, std::string> faults[] = {
        {"saved game 1", "saved game 2"},           // another version
        {"ended 0 0", "ended 2 0"},                 //
        {"ended 0 0", "ended 0 7"},                 // a list before the end of a game going on
        {"player d0", "player D0"},                 // hex digits written another way
        {"player d0a1", "player d0a"},              // half a byte
        {"player d0a17675\n", "player \n"},        // a blank and no name
        {"dice 4000000000", "dice 4294967296"},     // beyond 32 bits
        {"debt 5400", "debt 2147483648"},           //
        {"debt 5400", "debt +5400"},                // a number written another way
        {"debt 5400", "debt 05400"},                //
        {"cash 2000", "cash -0"},                   //
        {"cash 2000", "cash 2000 "},                //
        {"health 100", "health 101"},               // above full health
        {"days-left 40", "days-left 41"},           //
        {"days-left 40", "days-left -1"},           //
        {"room 100 100", "room 101 100"},           // above the room's capacity
        {"room 100 100", "room 99 100"},            // unequal to the holdings' sum
        {"room 100 100", "room 100 200"},           // a room of another size
        {"offer 5 600", "offer 8 600"},             // no such goods
        {"offer 5 600", "offer 1 150"},             // offered twice
        {"offer 5 600", "offer 5 601"},             // not today's price
        {"offers 4\n", "offers 3\n"},               // an offer left out of the list
        {"holding 2 0 3", "holding 2 0 0"},         // nothing of it in the room
        {"holding 2 0 3", "holding 1 0 3"},         // held twice
        {"market-sort 1 0", "market-sort 3 0"},     // no such column
        {"\nend\n", "\nend\nmore\n"},               // something after the end
        {"\n", "\r\n"},                             // another line ending
    };
    for (const auto& [from, to] : faults)
        EXPECT_FALSE(parseSavedGame(changed(from, to))) << from << " -> " << to;
    EXPECT_FALSE(parseSavedGame(""));
    EXPECT_FALSE(parseSavedGame(good + std::string(kSavedGameReadLimit, 'x')));
}
