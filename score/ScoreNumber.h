#pragma once
// The numbers of the score file, read as the C library's atol reads them: leading white space,
// an optional sign, then digits up to the first non-digit; no digits give 0. A value beyond
// the 32-bit range is pinned to its nearest end, so a corrupt line cannot wrap a fortune
// round into a debt.

#include <cstdint>

namespace score {

// Takes the bytes of one line one at a time, so a line of any length costs no memory.
class ScoreNumberReader {
public:
    void take(char byte);
    std::int32_t value() const;

private:
    enum class Phase { LeadingSpace, AfterSign, Digits, Done };
    Phase phase_ = Phase::LeadingSpace;
    bool negative_ = false;
    std::int64_t magnitude_ = 0; // stops growing just past the 32-bit range
};

} // namespace score
