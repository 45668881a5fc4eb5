#pragma once
// The seam between the rules and whatever shows the game: the game window in play, a
// scripted host in the tests. The rules never touch a window; they say what must be shown
// and ask what the player chose. Every text is GBK bytes.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace rules {

enum class MessageDialog { News, Diary };                // NewsDialog 138 / DiaryDialog 142
enum class StatusDisplay { Cash, Savings, Debt, Health }; // displays 1020, 1035, 1050, 1047
enum class GameEnd { Ok, Cancel };
enum class BankChoice { Deposit, Withdraw };

// The buy dialog builds its own line from these: "<cash>元人民币,最多可以买<max>个<name>。"
// Preset = maxQuantity, accepted 0..maxQuantity.
struct BuyQuantityRequest {
    std::int32_t maxQuantity;
    std::int32_t cash;
    std::string goodsName;
};

// Preset = maxQuantity, accepted 0..maxQuantity; `prompt` is the finished question.
struct SellQuantityRequest {
    std::int32_t maxQuantity;
    std::string prompt;
};

// A number dialog: shows `prompt`, starts at `preset`, accepts lower..upper.
struct NumberRequest {
    std::string prompt;
    std::int32_t preset;
    std::int32_t lower;
    std::int32_t upper;
};

class GameHost {
public:
    virtual ~GameHost() = default;

    // Shows one message modally; returns when the player has closed it.
    virtual void showMessage(MessageDialog dialog, const std::string& gbkText) = 0;
    // A status display shows the decimal text of its new value.
    virtual void refreshDisplay(StatusDisplay display, const std::string& text) = 0;
    // The day caption (static 1012) shows this text.
    virtual void setDayCaption(const std::string& gbkText) = 0;

    // The market list must be redrawn from state.offers, in that order.
    virtual void marketRebuilt() = 0;
    // holdings[index] is new (the rules only ever insert at 0).
    virtual void roomRowInserted(int index) = 0;
    // holdings[index] changed its quantity and/or purchase price.
    virtual void roomRowChanged(int index) = 0;
    // The holding that stood at `index` is gone; the rows after it move up.
    virtual void roomRowRemoved(int index) = 0;

    // Index into state.offers as currently shown, or none.
    virtual std::optional<int> selectedMarketRow() = 0;
    // Index into state.holdings as currently shown, or none.
    virtual std::optional<int> selectedRoomRow() = 0;

    // The quantity dialogs (131 and 130); none = cancelled.
    virtual std::optional<std::int32_t> askBuyQuantity(const BuyQuantityRequest& request) = 0;
    virtual std::optional<std::int32_t> askSellQuantity(const SellQuantityRequest& request) = 0;
    // A buy quantity was accepted and cash has changed; the room is changed right after this.
    virtual void purchaseAccepted() = 0;

    // The bank dialog (133) shows `line`. When the player chooses, the host calls onChoice
    // while the bank dialog is still open (the amount prompt opens above it), then closes it.
    virtual void runBankDialog(const std::string& line, const std::function<void(BankChoice)>& onChoice) = 0;
    virtual std::optional<std::int32_t> askAmount(const NumberRequest& request) = 0;         // AmountDialog 132
    virtual std::optional<std::int32_t> askHospitalPoints(const NumberRequest& request) = 0; // HospitalDialog 135; prompt = the doctor's line
    virtual std::optional<std::int32_t> askRepayment(const NumberRequest& request) = 0;      // RepayDialog 136
    virtual void showAirport() = 0;                                                          // AirportDialog 145, modal

    // The game is over: hide the window at once; it ends after the current action returns.
    // A day on which the player dies still runs to its end, so this may come twice.
    virtual void requestEndOfGame(GameEnd result) = 0;
};

} // namespace rules
