#pragma once

#include <cstdint>
#include <string>

namespace rules {

// One row of today's black market.
struct MarketOffer {
    std::string name;       // GBK goods name
    std::int32_t price = 0; // today's price, at least 1
};

} // namespace rules
