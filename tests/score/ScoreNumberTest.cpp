#include "score/ScoreNumber.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace score;

namespace {
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

std::int32_t parseScoreNumber(std::string_view line)
{
    ScoreNumberReader reader;
    for (char byte : line)
        reader.take(byte);
    return reader.value();
}
} // namespace

TEST(ScoreNumber, ReadsLikeTheCLibrary)
{
    EXPECT_EQ(parseScoreNumber("12500720\r\n"), 12500720);
    EXPECT_EQ(parseScoreNumber("-15"), -15);
    EXPECT_EQ(parseScoreNumber("12abc"), 12);
    EXPECT_EQ(parseScoreNumber("abc"), 0);
    EXPECT_EQ(parseScoreNumber(""), 0);
    EXPECT_EQ(parseScoreNumber("\r\n"), 0);
    EXPECT_EQ(parseScoreNumber(" \t\v\f\r+42 7"), 42);
    EXPECT_EQ(parseScoreNumber("-0"), 0);
    EXPECT_EQ(parseScoreNumber("007"), 7);
}

TEST(ScoreNumber, ASignWithoutDigitsIsZero)
{
    EXPECT_EQ(parseScoreNumber("-"), 0);
    EXPECT_EQ(parseScoreNumber("- 5"), 0);
    EXPECT_EQ(parseScoreNumber("+-5"), 0);
    EXPECT_EQ(parseScoreNumber("--5"), 0);
}

TEST(ScoreNumber, ANulOrAnyOtherByteEndsTheDigits)
{
    EXPECT_EQ(parseScoreNumber(std::string("1\0" "2", 3)), 1);
    EXPECT_EQ(parseScoreNumber(std::string("\0" "12", 3)), 0);
    EXPECT_EQ(parseScoreNumber("3\xB1\xB1" "4"), 3);
}

TEST(ScoreNumber, ValuesBeyondThirtyTwoBitsArePinnedToTheRange)
{
    EXPECT_EQ(parseScoreNumber("2147483647"), kMax);
    EXPECT_EQ(parseScoreNumber("-2147483648"), kMin);
    EXPECT_EQ(parseScoreNumber("2147483648"), kMax);
    EXPECT_EQ(parseScoreNumber("-2147483649"), kMin);
    EXPECT_EQ(parseScoreNumber("99999999999999999999999999999"), kMax);
    EXPECT_EQ(parseScoreNumber("-99999999999999999999999999999"), kMin);
    // Leading zeros and blanks of any length still give the value.
    EXPECT_EQ(parseScoreNumber(std::string(5000, '0') + "42"), 42);
    EXPECT_EQ(parseScoreNumber(std::string(5000, ' ') + "-42"), -42);
}
