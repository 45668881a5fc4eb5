#pragma once
// The seam between the rules and whatever shows the game: the game window in play, a
// scripted host in the tests. The rules never touch a window; they say what must be shown
// and ask what the player chose. Every text is GBK bytes.

#include "rules/GameState.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rules {

enum class MessageDialog { News, Diary };
enum class Figure { Cash, Savings, Debt, Health };
enum class RowChange { Inserted, Changed, Removed };
enum class GameEnd { Ok, Cancel };
enum class BankChoice { Deposit, Withdraw };

// Every question of the game is a whole number: what it is about, the finished line the player
// reads, where the entry starts and what it accepts.
enum class Question { BuyQuantity, SellQuantity, Amount, HealthPoints, Repayment };
struct NumberQuestion {
    Question kind;
    std::string prompt;
    std::int32_t preset;
    std::int32_t lower;
    std::int32_t upper;
};

class GameHost {
public:
    virtual ~GameHost() = default;

    // Shows one message; returns when the player has closed it.
    virtual void showMessage(MessageDialog dialog, const std::string& gbkText) = 0;
    // A figure changed: its display shows this decimal text.
    virtual void showFigure(Figure figure, const std::string& text) = 0;
    virtual void setDayCaption(const std::string& gbkText) = 0;

    // The market list shows these offers, row for row.
    virtual void marketRebuilt(const std::vector<MarketOffer>& offers) = 0;
    // Row `index` of the room list shows `holding`, new there or changed in place; or the row of
    // `holding` went, and the rows below move up.
    virtual void roomRowChanged(RowChange change, int index, const RoomHolding& holding) = 0;
    // The selected row of a list, as an index into offers or holdings; none without a selection.
    virtual std::optional<int> selectedRow(List list) = 0;
    // The player took a purchase's quantity: from here on the trade changes the room list.
    virtual void purchaseAccepted() {}

    // None when the player cancelled.
    virtual std::optional<std::int32_t> askNumber(const NumberQuestion& question) = 0;
    // The bank shows `line`. When the player chooses, the host calls onChoice while the bank is
    // still open (the amount question opens above it), then closes it.
    virtual void runBankDialog(const std::string& line, const std::function<void(BankChoice)>& onChoice) = 0;
    // The airport's notice, until the player closes it.
    virtual void showAirport() = 0;

    // The game is over: hide the window at once; it ends after the current action returns.
    // A day on which the player dies still runs to its end, so this may come twice.
    virtual void requestEndOfGame(GameEnd result) = 0;
};

// Hands each display the decimal text of its figure.
void showFigures(const GameState& state, GameHost& host, std::initializer_list<Figure> figures);

// The host's answer, taken only within the question's bounds: a faulty host can never push the
// state past its invariants.
std::optional<std::int32_t> ask(GameHost& host, const NumberQuestion& question);

} // namespace rules
