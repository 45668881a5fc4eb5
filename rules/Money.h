#pragma once
// Money is whole yuan in signed 32-bit integers. Sums and products are taken in 64 bits and
// pinned to the 32-bit range, so a fortune never wraps round into a debt.

#include <cstdint>

namespace rules {

std::int32_t saturate(std::int64_t value);

} // namespace rules
