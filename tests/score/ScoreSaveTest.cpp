#include "ScoreSamples.h"
#include "ScoreTestFolder.h"

#include "score/ScoreFile.h"
#include "score/ScoreTable.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace score;

namespace {

// The default list's file, written out byte for byte.
const std::string kDefaultFile =
    "zuv\r\n12500720\r\n98\r\n"
    "vo\r\n830050\r\n100\r\n"
    "vu\r\n500447\r\n78\r\n"
    "Kent Mossy\r\n239403\r\n97\r\n"
    "tao lin\r\n34900\r\n35\r\n"
    "tao lin\r\n13400\r\n100\r\n"
    "tao \r\n2300\r\n77\r\n"
    "tao \r\n45\r\n12\r\n"
    "tao\r\n34\r\n100\r\n"
    "tao\r\n3\r\n100\r\n";

} // namespace

TEST(ScoreSave, WithNoFileTheDefaultListIsWrittenByteForByte)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    ScoreTable table{};
    loadScores(path, table);
    ASSERT_TRUE(saveScores(path, table));
    const std::string bytes = readWholeFile(path);
    EXPECT_EQ(bytes, kDefaultFile);
    EXPECT_EQ(folder.listing(), "score.txt;"); // no temporary file stays behind
}

TEST(ScoreSave, TenRecordsComeBackByteForByte)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    const ScoreTable original = tenRecords();
    ASSERT_TRUE(saveScores(path, original));
    const std::string written = readWholeFile(path);
    const std::string firstRecord = "一二三四五六七八九\r\n2147483647\r\n-1\r\n";
    EXPECT_EQ(written.substr(0, firstRecord.size()), firstRecord);
    EXPECT_NE(written.find("\r\ny\r\n-15\r\n12\r\nz\r\n-2147483648\r\n1\r\n"), std::string::npos);
    EXPECT_EQ(written.find("\r\n\r\n\r\n"), std::string::npos);

    ScoreTable loaded{};
    loadScores(path, loaded);
    EXPECT_EQ(loaded, original);
    ASSERT_TRUE(saveScores(path, loaded));
    EXPECT_EQ(readWholeFile(path), written);
}

TEST(ScoreSave, EveryLineEndsInCarriageReturnLineFeed)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    ASSERT_TRUE(saveScores(path, tenRecords()));
    const std::string bytes = readWholeFile(path);
    int lines = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++lines;
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "line " << lines;
        }
    }
    EXPECT_EQ(lines, 30);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST(ScoreSave, ALongerOldFileIsReplacedWhole)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    writeWholeFile(path, std::string(5000, 'q'));
    ASSERT_TRUE(saveScores(path, defaultScoreTable()));
    EXPECT_EQ(readWholeFile(path), kDefaultFile);
}

TEST(ScoreSave, ANameThatWouldBreakTheFileStaysOneLine)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    ScoreTable table = defaultScoreTable();
    table[0].name = "two\nlines"; // set behind the table's back
    ASSERT_TRUE(saveScores(path, table));
    EXPECT_EQ(readWholeFile(path).substr(0, 5), "two\r\n");
    ScoreTable loaded{};
    loadScores(path, loaded);
    EXPECT_EQ(loaded[0], (ScoreEntry{"two", 12500720, 98}));
    EXPECT_EQ(loaded[9], defaultScoreTable()[9]);
}

TEST(ScoreSave, AFolderThatDoesNotExistReportsTheFailure)
{
    ScoreTestFolder folder;
    EXPECT_FALSE(saveScores(folder.path("missing/score.txt"), defaultScoreTable()));
    EXPECT_EQ(folder.listing(), "");
}

TEST(ScoreSave, APathThatIsAFolderReportsTheFailureAndLeavesNothingBehind)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    std::filesystem::create_directory(path);
    EXPECT_FALSE(saveScores(path, defaultScoreTable()));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(folder.listing(), "score.txt;");
}

TEST(ScoreSave, AListGoesThroughLoadInsertAndSave)
{
    ScoreTable table{};
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    loadScores(path, table);
    EXPECT_EQ(table, defaultScoreTable());
    EXPECT_EQ(insertScore(table, "小vu", 3, 55), 9);
    ASSERT_TRUE(saveScores(path, table));
    EXPECT_EQ(readWholeFile(path), kDefaultFile.substr(0, kDefaultFile.size() - 13) + "\xD0\xA1vu\r\n3\r\n55\r\n");
}
