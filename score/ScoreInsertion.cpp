#include "score/ScoreInsertion.h"

#include "score/ScoreName.h"

#include <algorithm>

namespace score {

std::optional<int> insertScore(ScoreTable& table, std::string_view name, std::int32_t money, std::int32_t health)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (money >= table[i].money) {
            std::move_backward(table.begin() + std::ptrdiff_t(i), table.end() - 1, table.end());
            table[i] = ScoreEntry{storableName(name), money, health};
            return int(i);
        }
    }
    return std::nullopt;
}

std::optional<int> insertScore(std::string_view name, std::int32_t money, std::int32_t health)
{
    return insertScore(processScoreTable(), name, money, health);
}

} // namespace score
