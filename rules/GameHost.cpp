#include "rules/GameHost.h"

namespace rules {

void showFigures(const GameState& state, GameHost& host, std::initializer_list<Figure> figures)
{
    const std::pair<Figure, std::int32_t> values[] = {{Figure::Cash, state.cash},
                                                      {Figure::Savings, state.savings},
                                                      {Figure::Debt, state.debt},
                                                      {Figure::Health, state.health}};
    for (const Figure figure : figures)
        for (const auto& [named, value] : values)
            if (named == figure)
                host.showFigure(figure, std::to_string(value));
}

std::optional<std::int32_t> ask(GameHost& host, const NumberQuestion& question)
{
    const std::optional<std::int32_t> answer = host.askNumber(question);
    if (answer && (*answer < question.lower || *answer > question.upper))
        return std::nullopt;
    return answer;
}

} // namespace rules
