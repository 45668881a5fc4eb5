#include "score/ScoreTable.h"

namespace score {

ScoreTable& processScoreTable()
{
    static ScoreTable table{};
    return table;
}

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

} // namespace score
