#pragma once
// A scripted stand-in for the game window: it answers the rules' questions from queues set
// up by the test and writes down everything the rules show, in order, as one line each. And
// dice that give the rules the draws a test needs.

#include "rules/GameHost.h"
#include "rules/Random.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

using Answer = std::optional<std::int32_t>;

class RecordingHost : public rules::GameHost {
public:
    explicit RecordingHost(const rules::GameState& state) : state_(state) {}

    // Lines such as "diary: <text>", "news: <text>", "cash=2000", "caption: <text>",
    // "market", "row+0", "row~1", "row-2", "buy?", "end:ok".
    std::vector<std::string> log;
    // The lines that are messages, without their dialog prefix.
    std::vector<std::string> messages() const;
    // Forgets what was recorded so far.
    void clear() { log.clear(); }

    std::optional<int> marketSelection;
    std::optional<int> roomSelection;
    std::deque<Answer> buyAnswers, sellAnswers, amountAnswers, hospitalAnswers, repayAnswers;
    std::deque<rules::BankChoice> bankChoices;
    std::vector<rules::NumberQuestion> questions; // every question asked, in order
    std::vector<rules::GameEnd> endRequests;
    std::vector<std::vector<rules::MarketOffer>> marketsShown;

    void showMessage(rules::MessageDialog dialog, const std::string& gbkText) override;
    void showFigure(rules::Figure figure, const std::string& text) override;
    void setDayCaption(const std::string& gbkText) override;
    void marketRebuilt(const std::vector<rules::MarketOffer>& offers) override;
    void roomRowChanged(rules::RowChange change, int index, const rules::RoomHolding& holding) override;
    std::optional<int> selectedRow(rules::List list) override;
    std::optional<std::int32_t> askNumber(const rules::NumberQuestion& question) override;
    void runBankDialog(const std::string& line, const std::function<void(rules::BankChoice)>& onChoice) override;
    void showAirport() override { log.push_back("airport"); }
    void requestEndOfGame(rules::GameEnd result) override;

private:
    const rules::GameState& state_;
};

// Dice that return the listed values in order, each the result of one roll. A roll beyond the
// script, or a value the roll could not give, is a fault of the rules under test.
class ScriptedDice : public rules::RandomSource {
public:
    ScriptedDice() = default;
    explicit ScriptedDice(std::vector<std::int32_t> values);
    ScriptedDice& then(const std::vector<std::int32_t>& values);

    std::int32_t roll(std::int32_t n) override;
    bool finished() const { return values_.empty(); }
    std::vector<std::int32_t> asked; // the n of every roll, in order

private:
    std::deque<std::int32_t> values_;
};

// Draws that make the listed rows of a table fire and the others stay quiet: 0 fires any row,
// 1 none (every odds is above 1).
std::vector<std::int32_t> newsDraws(const std::vector<int>& firing);
// A table whose first firing row is `row` (-1 for none) draws up to it and stops.
std::vector<std::int32_t> firstRowDraws(int row, int rowCount);
// A day's price roll: every goods at its base price, then the first goods struck three times.
std::vector<std::int32_t> plainPriceDraws();
// A whole station press without any event.
std::vector<std::int32_t> quietDayDraws();

// The game's generator, counting its draws.
class CountingRandom : public rules::RandomSource {
public:
    explicit CountingRandom(std::uint32_t seed) : random_(seed) {}
    std::int32_t roll(std::int32_t n) override
    {
        ++draws;
        return random_.roll(n);
    }
    std::uint64_t draws = 0;

private:
    rules::GameRandom random_;
};
