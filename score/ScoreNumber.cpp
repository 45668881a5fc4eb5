#include "score/ScoreNumber.h"

#include <limits>

namespace score {

namespace {

constexpr std::int64_t kLargestMagnitude = -std::int64_t(std::numeric_limits<std::int32_t>::min());

bool isCSpace(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' || byte == '\r';
}

bool isDigit(char byte) { return byte >= '0' && byte <= '9'; }

} // namespace

void ScoreNumberReader::take(char byte)
{
    switch (phase_) {
    case Phase::LeadingSpace:
        if (isCSpace(byte))
            return;
        if (byte == '+' || byte == '-') {
            negative_ = byte == '-';
            phase_ = Phase::AfterSign;
            return;
        }
        [[fallthrough]];
    case Phase::AfterSign:
    case Phase::Digits:
        if (!isDigit(byte)) {
            phase_ = Phase::Done;
            return;
        }
        phase_ = Phase::Digits;
        if (magnitude_ <= kLargestMagnitude)
            magnitude_ = magnitude_ * 10 + (byte - '0');
        return;
    case Phase::Done:
        return;
    }
}

std::int32_t ScoreNumberReader::value() const
{
    const std::int64_t signedValue = negative_ ? -magnitude_ : magnitude_;
    if (signedValue < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (signedValue > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return std::int32_t(signedValue);
}

} // namespace score
