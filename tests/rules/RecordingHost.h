#pragma once
// A scripted stand-in for the game window: it answers the rules' questions from queues set
// up by the test and writes down everything the rules show, in order, as one line each.

#include "rules/GameHost.h"
#include "rules/GameState.h"

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
    // "market", "row+0", "row~1", "row-2", "end:ok".
    std::vector<std::string> log;
    // The lines that are messages, without their dialog prefix, and the dialogs they went to.
    std::vector<std::string> messages() const;
    // Forgets what was recorded so far.
    void clear() { log.clear(); }

    std::optional<int> marketSelection;
    std::optional<int> roomSelection;
    std::deque<Answer> buyAnswers, sellAnswers, amountAnswers, hospitalAnswers, repayAnswers;
    std::deque<rules::BankChoice> bankChoices;
    std::vector<rules::BuyQuantityRequest> buyRequests;
    std::vector<rules::SellQuantityRequest> sellRequests;
    std::vector<rules::NumberRequest> numberRequests; // amount, hospital and repayment prompts
    std::vector<rules::GameEnd> endRequests;
    std::vector<std::vector<rules::MarketOffer>> marketsShown;

    void showMessage(rules::MessageDialog dialog, const std::string& gbkText) override;
    void refreshDisplay(rules::StatusDisplay display, const std::string& text) override;
    void setDayCaption(const std::string& gbkText) override;
    void marketRebuilt() override;
    void roomRowInserted(int index) override;
    void roomRowChanged(int index) override;
    void roomRowRemoved(int index) override;
    std::optional<int> selectedMarketRow() override { return marketSelection; }
    std::optional<int> selectedRoomRow() override { return roomSelection; }
    std::optional<std::int32_t> askBuyQuantity(const rules::BuyQuantityRequest& request) override;
    std::optional<std::int32_t> askSellQuantity(const rules::SellQuantityRequest& request) override;
    void purchaseAccepted() override { log.push_back("accepted"); }
    void runBankDialog(const std::string& line, const std::function<void(rules::BankChoice)>& onChoice) override;
    std::optional<std::int32_t> askAmount(const rules::NumberRequest& request) override;
    std::optional<std::int32_t> askHospitalPoints(const rules::NumberRequest& request) override;
    std::optional<std::int32_t> askRepayment(const rules::NumberRequest& request) override;
    void showAirport() override { log.push_back("airport"); }
    void requestEndOfGame(rules::GameEnd result) override;

private:
    std::optional<std::int32_t> answerFrom(std::deque<Answer>& answers, const char* what);
    const rules::GameState& state_;
};

// The generator written out independently, to predict the game's draws.
struct ReferenceLcg {
    std::uint32_t state;
    std::int32_t next()
    {
        state = state * 214013u + 2531011u;
        return std::int32_t((state >> 16) & 0x7FFF);
    }
};

// The first seed from `from` on for which `wanted(generator seeded with it)` holds.
template <typename Predicate>
std::uint32_t findSeed(Predicate wanted, std::uint32_t from = 1)
{
    for (std::uint32_t seed = from; seed < from + 5000000u; ++seed) {
        ReferenceLcg lcg{seed};
        if (wanted(lcg))
            return seed;
    }
    return 0;
}
