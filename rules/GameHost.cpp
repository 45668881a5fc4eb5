#include "rules/GameHost.h"

namespace rules {

void showFigures(const GameState& state, GameHost& host, std::initializer_list<Figure> figures)
{
    for (const Figure figure : figures) {
        const std::int32_t values[] = {state.cash, state.savings, state.debt, state.health};
        host.showFigure(figure, std::to_string(values[int(figure)]));
    }
}

std::optional<std::int32_t> ask(GameHost& host, const NumberQuestion& question)
{
    const std::optional<std::int32_t> answer = host.askNumber(question);
    if (answer && (*answer < question.lower || *answer > question.upper))
        return std::nullopt;
    return answer;
}

} // namespace rules
