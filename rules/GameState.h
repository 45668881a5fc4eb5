#pragma once
// The player's whole situation during one game, the goods it trades and the tables of the
// day's surprises. Every text is GBK bytes: the sources are compiled to GBK literals.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rules {

// The eight goods; the goods index (0 to 7) keys every table of the rules.
struct Goods {
    const char* name;
    std::int32_t priceBase; // lowest daily price
    std::int32_t priceSpan; // a day's price is base + roll(span)
};
constexpr int kGoodsCount = 8;
extern const std::array<Goods, kGoodsCount> GoodsCatalogue;

// One row of today's black market.
struct MarketOffer {
    std::string name;
    std::int32_t price = 0; // at least 1
};

// One kind of goods in the rented room.
struct RoomHolding {
    std::string name;               // unique within the room
    std::int32_t purchasePrice = 0; // price of the latest purchase; 0 for goods received free
    std::int32_t quantity = 0;      // at least 1
};

struct GameState {
    std::int32_t cash = 2000;
    std::int32_t debt = 5000; // the opening day's interest makes it 5400
    std::int32_t savings = 0;
    std::int32_t health = 100; // set again when the game begins
    std::int32_t daysLeft = 40;
    std::int32_t roomCapacity = 100;
    std::int32_t roomCount = 0; // sum of the holdings' quantities, kept in step by every change
    std::array<std::int32_t, kGoodsCount> prices{}; // 0 = not on the market today
    std::vector<MarketOffer> offers;   // in the order the market list shows them
    std::vector<RoomHolding> holdings; // in the order the room list shows them
};

// The first offer / holding whose name equals `name` byte for byte; nullptr when absent.
const MarketOffer* findOffer(const GameState& state, const std::string& name);
RoomHolding* findHolding(GameState& state, const std::string& name);

// Money is whole yuan in 32 bits. Sums and products are taken in 64 bits and pinned to the
// 32-bit range, so a fortune never wraps round into a debt.
std::int32_t saturate(std::int64_t value);

// The two lists of the game window and the texts of their rows: the name, the price, and the
// quantity (empty on the market).
enum class List { Market, Room };
std::array<std::string, 3> rowTexts(const MarketOffer& offer);
std::array<std::string, 3> rowTexts(const RoomHolding& holding);

// A list's last sorted column and its direction.
struct ColumnSort {
    int column = -1;
    bool ascending = true;
};

// Reorders offers or holdings by the texts of one column, compared as bytes of unsigned value
// (GBK order for names, and "1000" before "200"). The column sorted last turns round, any other
// sorts ascending. The market's next rebuild brings catalogue order back.
void sortByColumn(GameState& state, List list, ColumnSort& sort, int column);

// The day's surprises. A row fires when roll(N) % odds == 0, with N = 950 for the news and
// 1000 for the other two, drawn afresh for every row tested.
constexpr std::int32_t kMarketNewsRoll = 950;
constexpr std::int32_t kEventRoll = 1000;

// Exactly one of multiplier, divisor and gift is non-zero.
struct MarketNewsEvent {
    std::int32_t odds;
    const char* message;
    int goods;
    std::int32_t multiplier;
    std::int32_t divisor;
    std::int32_t gift; // free items
};

struct HealthEvent {
    std::int32_t odds;
    const char* message; // some end with a blank, which belongs to the text
    std::int32_t damage;
};

enum class Account { Cash, Savings };

struct MoneyLossEvent {
    std::int32_t odds;
    const char* message;
    std::int32_t percent;
    Account account;
};

extern const std::array<MarketNewsEvent, 17> kMarketNewsTable;
extern const std::array<HealthEvent, 12> kHealthEventTable;
extern const std::array<MoneyLossEvent, 7> kMoneyLossTable;

} // namespace rules
