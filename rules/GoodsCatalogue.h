#pragma once
// The eight tradeable goods. The goods index (0 to 7) keys every table of the rules.

#include <array>
#include <cstdint>

namespace rules {

struct Goods {
    const char* name;       // GBK text
    std::int32_t priceBase; // lowest daily price
    std::int32_t priceSpan; // a day's price is base + roll(span)
};

constexpr int kGoodsCount = 8;

// Defined in a GBK-compiled source, so the names are GBK bytes whoever includes this.
extern const std::array<Goods, kGoodsCount> GoodsCatalogue;

} // namespace rules
