#pragma once
// The three fixed tables of the day's surprises. A row fires when roll(N) % odds == 0, with
// N = 950 for the news and 1000 for the other two, drawn afresh for every row tested.

#include <array>
#include <cstdint>

namespace rules {

constexpr std::int32_t kMarketNewsRoll = 950;
constexpr std::int32_t kHealthEventRoll = 1000;
constexpr std::int32_t kMoneyLossRoll = 1000;

// Exactly one of multiplier, divisor and gift is non-zero.
struct MarketNewsEvent {
    std::int32_t odds;
    const char* message; // GBK, shown in the news dialog
    int goods;           // goods index
    std::int32_t multiplier;
    std::int32_t divisor;
    std::int32_t gift; // free items
};

struct HealthEvent {
    std::int32_t odds;
    const char* message; // GBK; some end with a blank, which belongs to the text
    std::int32_t damage;
};

enum class Account { Cash, Savings };

struct MoneyLossEvent {
    std::int32_t odds;
    const char* message; // GBK
    std::int32_t percent;
    Account account;
};

extern const std::array<MarketNewsEvent, 17> MarketNewsTable;
extern const std::array<HealthEvent, 12> HealthEventTable;
extern const std::array<MoneyLossEvent, 7> MoneyLossTable;

} // namespace rules
