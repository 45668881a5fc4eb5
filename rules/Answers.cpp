#include "rules/Answers.h"

namespace rules {

std::optional<std::int32_t> acceptedNumber(const NumberRequest& request, std::optional<std::int32_t> answer)
{
    if (answer && (*answer < request.lower || *answer > request.upper))
        return std::nullopt;
    return answer;
}

std::optional<std::int32_t> acceptedQuantity(std::int32_t maxQuantity, std::optional<std::int32_t> answer)
{
    return acceptedNumber(NumberRequest{{}, maxQuantity, 0, maxQuantity}, answer);
}

std::optional<int> acceptedRow(std::optional<int> row, size_t rowCount)
{
    if (row && (*row < 0 || size_t(*row) >= rowCount))
        return std::nullopt;
    return row;
}

} // namespace rules
