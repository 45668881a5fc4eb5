#pragma once
// The dialogs check their bounds before they return; an answer outside them anyway is taken
// as a cancel, so a faulty host can never push the state past its invariants.

#include "rules/GameHost.h"

#include <cstdint>
#include <optional>

namespace rules {

std::optional<std::int32_t> acceptedNumber(const NumberRequest& request, std::optional<std::int32_t> answer);

// A quantity from 0 to `maxQuantity`.
std::optional<std::int32_t> acceptedQuantity(std::int32_t maxQuantity, std::optional<std::int32_t> answer);

// A row index the rules can use, or none.
std::optional<int> acceptedRow(std::optional<int> row, size_t rowCount);

} // namespace rules
