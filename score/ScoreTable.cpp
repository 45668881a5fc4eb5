#include "score/ScoreTable.h"

#include "score/ScoreName.h"

#include <algorithm>

namespace score {

const ScoreTable& defaultScoreTable()
{
    // "tao " keeps its trailing blank.
    static const ScoreTable defaults{{
        {"zuv", 12500720, 98},
        {"vo", 830050, 100},
        {"vu", 500447, 78},
        {"Kent Mossy", 239403, 97},
        {"tao lin", 34900, 35},
        {"tao lin", 13400, 100},
        {"tao ", 2300, 77},
        {"tao ", 45, 12},
        {"tao", 34, 100},
        {"tao", 3, 100},
    }};
    return defaults;
}

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

} // namespace score
