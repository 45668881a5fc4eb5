#include "rules/GameState.h"

namespace rules {

namespace {

template <typename Row>
Row* findByName(std::vector<Row>& rows, const std::string& name)
{
    for (Row& row : rows)
        if (row.name == name)
            return &row;
    return nullptr;
}

} // namespace

MarketOffer* findOffer(GameState& state, const std::string& name)
{
    return findByName(state.offers, name);
}

const MarketOffer* findOffer(const GameState& state, const std::string& name)
{
    return findOffer(const_cast<GameState&>(state), name);
}

RoomHolding* findHolding(GameState& state, const std::string& name)
{
    return findByName(state.holdings, name);
}

const RoomHolding* findHolding(const GameState& state, const std::string& name)
{
    return findHolding(const_cast<GameState&>(state), name);
}

} // namespace rules
