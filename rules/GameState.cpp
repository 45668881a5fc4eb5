#include "rules/GameState.h"

namespace rules {

namespace {

template <typename Row>
std::optional<int> findByName(const std::vector<Row>& rows, const std::string& name)
{
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].name == name)
            return int(i);
    return std::nullopt;
}

} // namespace

std::optional<int> findOffer(const GameState& state, const std::string& name)
{
    return findByName(state.offers, name);
}

std::optional<int> findHolding(const GameState& state, const std::string& name)
{
    return findByName(state.holdings, name);
}

} // namespace rules
