#include "score/ScoreName.h"

#include <gtest/gtest.h>

using namespace score;

namespace {

// True when `name` splits into whole GBK characters.
bool isWholeGbk(const std::string& name)
{
    std::size_t i = 0;
    while (i < name.size())
        i += isGbkLeadByte(static_cast<unsigned char>(name[i])) ? 2 : 1;
    return i == name.size();
}

} // namespace

TEST(ScoreName, ShortNamesAreKeptAsTheyAre)
{
    EXPECT_EQ(storableName(""), "");
    EXPECT_EQ(storableName("tao "), "tao ");
    EXPECT_EQ(storableName(" Kent Mossy "), " Kent Mossy ");
    EXPECT_EQ(storableName("1234567890123456789"), "1234567890123456789");
    EXPECT_EQ(storableName("小vu"), "\xD0\xA1vu");
}

TEST(ScoreName, LongNamesKeepTheirFirstNineteenBytes)
{
    EXPECT_EQ(storableName("12345678901234567890abc"), "1234567890123456789");
}

TEST(ScoreName, NeverKeepsHalfOfADoubleByteCharacter)
{
    // Ten characters are 20 bytes: the tenth cannot be half kept.
    EXPECT_EQ(storableName("一二三四五六七八九十"), "一二三四五六七八九");
    // An odd byte before them moves the boundary: 1 + 9 * 2 = 19 fits exactly.
    EXPECT_EQ(storableName("a一二三四五六七八九十"), "a一二三四五六七八九");
    EXPECT_EQ(storableName("ab一二三四五六七八九"), "ab一二三四五六七八");
    // A lead byte with nothing after it is half a character as well.
    EXPECT_EQ(storableName("ab\x81"), "ab");
    EXPECT_EQ(storableName("\xFE"), "");
    // 0x80 and 0xFF are no lead bytes and stand alone.
    EXPECT_EQ(storableName("\x80\xFF"), "\x80\xFF");
}

TEST(ScoreName, EveryLengthOfAMixedNameGivesTheLongestWholePrefix)
{
    const std::string mixed = "小vu北京Kent货郎记 tao 柏青崖lin";
    for (std::size_t length = 0; length <= mixed.size(); ++length) {
        const std::string raw = mixed.substr(0, length);
        const std::string kept = storableName(raw);
        SCOPED_TRACE(length);
        EXPECT_LE(kept.size(), kScoreNameBytes);
        EXPECT_EQ(raw.compare(0, kept.size(), kept), 0);
        EXPECT_TRUE(isWholeGbk(kept));
        // The longest such prefix: one more character would not fit or does not exist.
        if (kept.size() < raw.size()) {
            const std::size_t next = isGbkLeadByte(static_cast<unsigned char>(raw[kept.size()])) ? 2 : 1;
            EXPECT_TRUE(kept.size() + next > kScoreNameBytes || kept.size() + next > raw.size());
        }
    }
}

TEST(ScoreName, ALineBreakOrNulEndsTheName)
{
    EXPECT_EQ(storableName("tao\r\n"), "tao");
    EXPECT_EQ(storableName("tao\nlin"), "tao");
    EXPECT_EQ(storableName("tao\rlin"), "tao");
    EXPECT_EQ(storableName(std::string("ta\0o", 4)), "ta");
    EXPECT_EQ(storableName("\r\n"), "");
}
