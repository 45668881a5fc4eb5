#include "ScoreSamples.h"
#include "ScoreTestFolder.h"

#include "score/ScoreFile.h"
#include "score/ScoreName.h"

#include <gtest/gtest.h>
#include <vector>

using namespace score;

namespace {

ScoreTable parsed(const std::string& bytes)
{
    ScoreTable table{};
    parseScores(bytes, table);
    return table;
}

std::string thirtyLines(const std::string& ending)
{
    std::string bytes;
    for (int i = 0; i < 10; ++i)
        bytes += "name" + std::to_string(i) + ending + std::to_string(1000 - i) + ending + std::to_string(i - 5) + ending;
    return bytes;
}

} // namespace

TEST(ScoreLoad, NoFileGivesTheDefaultList)
{
    ScoreTestFolder folder;
    ScoreTable table = stale();
    loadScores(folder.path("score.txt"), table);
    EXPECT_EQ(table, defaultScoreTable());
    EXPECT_EQ(folder.listing(), ""); // reading creates nothing
}

TEST(ScoreLoad, AFileThatIsAFolderOrEmptyGivesTheDefaultList)
{
    ScoreTestFolder folder;
    std::filesystem::create_directory(folder.path("score.txt"));
    ScoreTable table = stale();
    loadScores(folder.path("score.txt"), table);
    EXPECT_EQ(table, defaultScoreTable());

    writeWholeFile(folder.path("empty.txt"), "");
    table = stale();
    loadScores(folder.path("empty.txt"), table);
    EXPECT_EQ(table, defaultScoreTable());
}

TEST(ScoreLoad, TakesTheFilesOrderUnchangedAndKeepsBlanksInNames)
{
    const ScoreTable table = parsed(
        "tao \r\n3\r\n100\r\n"
        "\r\n12500720\r\n98\r\n"
        "小vu\r\n-15\r\n-3\r\n"
        "a\r\n12abc\r\nabc\r\n"
        "b\r\nletters\r\n  +7\r\n"
        "c\r\n1\r\n1\r\nd\r\n1\r\n1\r\ne\r\n1\r\n1\r\nf\r\n1\r\n1\r\ng\r\n1\r\n1\r\n");
    EXPECT_EQ(table[0], (ScoreEntry{"tao ", 3, 100}));
    EXPECT_EQ(table[1], (ScoreEntry{"", 12500720, 98}));
    EXPECT_EQ(table[2], (ScoreEntry{"\xD0\xA1vu", -15, -3}));
    EXPECT_EQ(table[3], (ScoreEntry{"a", 12, 0}));
    EXPECT_EQ(table[4], (ScoreEntry{"b", 0, 7}));
    EXPECT_EQ(table[9], (ScoreEntry{"g", 1, 1}));
}

TEST(ScoreLoad, BareLineFeedsReadAsCarriageReturnLineFeeds)
{
    const ScoreTable withLf = parsed(thirtyLines("\n"));
    EXPECT_EQ(withLf, parsed(thirtyLines("\r\n")));
    EXPECT_EQ(withLf[3], (ScoreEntry{"name3", 997, -2}));
    // Mixed endings line by line.
    EXPECT_EQ(parsed("tao\n5\r\n-6\n")[0], (ScoreEntry{"tao", 5, -6}));
}

TEST(ScoreLoad, RecordsMissingFromAShortFileAreBlank)
{
    ScoreTable table = stale();
    parseScores("a\r\n5\r\n6\r\nb\r\n", table);
    EXPECT_EQ(table[0], (ScoreEntry{"a", 5, 6}));
    EXPECT_EQ(table[1], (ScoreEntry{"b", 0, 0}));
    for (int i = 2; i < 10; ++i)
        EXPECT_EQ(table[i], ScoreEntry{}) << i;

    // The last line may lack its ending.
    table = stale();
    parseScores("a\r\n5\r\n-6", table);
    EXPECT_EQ(table[0], (ScoreEntry{"a", 5, -6}));
    EXPECT_EQ(table[1], ScoreEntry{});

    // A lone line break is a file with one empty name line, not an empty file.
    EXPECT_EQ(parsed("\n"), ScoreTable{});
}

TEST(ScoreLoad, BytesAfterTheThirtiethLineAreIgnored)
{
    const ScoreTable table = parsed(thirtyLines("\r\n") + "extra\r\n999999\r\n1\r\n");
    EXPECT_EQ(table, parsed(thirtyLines("\r\n")));
    EXPECT_EQ(table[9], (ScoreEntry{"name9", 991, 4}));
}

TEST(ScoreLoad, AnOverlongLineStaysOneLine)
{
    std::string bytes = std::string(40, 'x') + "\r\n" + std::string(3000, ' ') + "1234\r\n" + "-" + std::string(100, '9') + "\r\n";
    bytes += "一二三四五六七八九十\r\n8\r\n9\r\n";
    const ScoreTable table = parsed(bytes);
    EXPECT_EQ(table[0], (ScoreEntry{std::string(19, 'x'), 1234, std::numeric_limits<std::int32_t>::min()}));
    EXPECT_EQ(table[1], (ScoreEntry{"一二三四五六七八九", 8, 9}));
}

TEST(ScoreLoad, NulBytesEndANameOrANumberButNotTheLine)
{
    static const char raw[] = "ab\0cd\r\n12\0" "34\r\n\0" "5\r\nnext\r\n6\r\n7\r\n";
    const std::string bytes(raw, sizeof raw - 1);
    const ScoreTable table = parsed(bytes);
    EXPECT_EQ(table[0], (ScoreEntry{"ab", 12, 0}));
    EXPECT_EQ(table[1], (ScoreEntry{"next", 6, 7}));
}

TEST(ScoreLoad, GarbageNeverGivesANameThatCannotBeStored)
{
    // A fixed generator, so a failure can be replayed.
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return std::uint8_t(state >> 16);
    };
    for (int round = 0; round < 500; ++round) {
        std::string bytes(std::size_t(next()) * 4, '\0');
        for (char& byte : bytes) {
            const std::uint8_t value = next();
            byte = char(value % 7 == 0 ? '\n' : value);
        }
        ScoreTable table = stale();
        parseScores(bytes, table);
        for (const ScoreEntry& entry : table) {
            EXPECT_EQ(entry.name, storableName(entry.name));
            EXPECT_NE(entry.name, "stale");
        }
    }
}

TEST(ScoreLoad, AFileReadsAsItsBytesInMemoryUpToWhereNoListCanReach)
{
    // Lines longer than the game writes, still well within a list's reach.
    std::string bytes;
    for (int i = 0; i < 10; ++i)
        bytes += std::string(30, char('a' + i)) + "\r\n" + std::string(5, ' ') + std::to_string(i * 111) + "\r\n" + std::to_string(-i) + "\n";
    ScoreTestFolder folder;
    writeWholeFile(folder.path("score.txt"), bytes);
    ScoreTable fromFile = stale();
    loadScores(folder.path("score.txt"), fromFile);
    EXPECT_EQ(fromFile, parsed(bytes));
    EXPECT_EQ(fromFile[7], (ScoreEntry{std::string(19, 'h'), 777, -7}));

    // A first line of 64 KiB: no line ends within reach, so the file holds no list.
    const std::string huge = std::string(65536, 'x') + "\r\n5\r\n6\r\n" + bytes;
    writeWholeFile(folder.path("huge.txt"), huge);
    loadScores(folder.path("huge.txt"), fromFile);
    EXPECT_EQ(fromFile, defaultScoreTable());
}

TEST(ScoreLoad, TheReadBoundNeverCutsALine)
{
    // Files of 1023 to 1100 bytes from another program, whose number lines are padded with
    // blanks far beyond the game's own: a line that ends within the bound reads whole, one that
    // the bound would cut counts as absent, so no number ever loses its last digits.
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    for (std::size_t size = 1023; size <= 1100; ++size) {
        std::vector<std::string> lines;
        std::size_t bytes = 0;
        for (int k = 0; k < 10; ++k) {
            lines.push_back("player " + std::to_string(k));
            lines.push_back(std::to_string(9876500 - k));
            lines.push_back(std::to_string(98765 - k));
        }
        for (const std::string& line : lines)
            bytes += line.size() + 2;
        for (std::size_t i = 0; bytes < size; ++bytes, i = (i + 1) % 20)
            lines[3 * (i / 2) + 1 + i % 2].insert(0, " ");

        std::string file;
        ScoreTable expected{};
        for (std::size_t i = 0; i < lines.size(); ++i) {
            file += lines[i] + "\r\n";
            if (size > kScoreFileReadLimit && file.size() > kScoreFileReadLimit)
                continue;
            ScoreEntry& entry = expected[i / 3];
            if (i % 3 == 0)
                entry.name = lines[i];
            else
                (i % 3 == 1 ? entry.money : entry.health) = std::stoi(lines[i]);
        }
        ASSERT_EQ(file.size(), size);
        writeWholeFile(path, file);
        ScoreTable loaded = stale();
        loadScores(path, loaded);
        EXPECT_EQ(formatScores(loaded), formatScores(expected)) << size << " bytes";
    }
}
