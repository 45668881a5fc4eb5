#include "ScoreTestFolder.h"

#include "score/SavingFile.h"
#include "score/ScoreFile.h"
#include "score/ScoreInsertion.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <limits>
#include <sys/wait.h>
#include <unistd.h>

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

ScoreTable tenRecords()
{
    return ScoreTable{{
        {"一二三四五六七八九", std::numeric_limits<std::int32_t>::max(), -1},
        {"小vu", 999999, 100},
        {"", 5000, 0},
        {"tao ", 4999, -77},
        {" lead", 1200, 3},
        {"1234567890123456789", 1200, 2},
        {"Kent Mossy", 3, -2147483647 - 1},
        {"x", 0, 5},
        {"y", -15, 12},
        {"z", std::numeric_limits<std::int32_t>::min(), 1},
    }};
}

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

TEST(ScoreSave, AnInterruptionAtAnyMomentLeavesAWholeListAndNoLitter)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    ASSERT_TRUE(saveScores(path, defaultScoreTable()));
    const std::string lists[2] = {formatScores(defaultScoreTable()), formatScores(tenRecords())};
    std::srand(20261208);
    for (int round = 0; round < 150; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                (void)saveScores(path, i % 2 ? tenRecords() : defaultScoreTable());
        }
        ::usleep(useconds_t(std::rand() % 2000));
        ::kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        const std::string bytes = readWholeFile(path);
        ASSERT_TRUE(bytes == lists[0] || bytes == lists[1]) << "round " << round << ": " << bytes.size() << " bytes";
        const std::string listing = folder.listing();
        ASSERT_TRUE(listing == "score.txt;" || listing == "score.txt;score.txt.saving;") << listing;
    }
    ASSERT_TRUE(saveScores(path, tenRecords()));
    EXPECT_EQ(readWholeFile(path), lists[1]);
    EXPECT_EQ(folder.listing(), "score.txt;");
}

namespace {

// Root may write any file; a player may not. As root the scenario runs in a child process
// that has become nobody, and its answer comes back as the exit status.
bool asOrdinaryUser(const std::function<bool()>& scenario)
{
    if (::geteuid() != 0)
        return scenario();
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(dropped && scenario() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

mode_t modeOf(const std::string& path)
{
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

} // namespace

TEST(ScoreSave, TheFilesOwnPermissionsDecide)
{
    ScoreTestFolder folder;
    ::chmod(folder.root().c_str(), 01777); // a shared folder, as /tmp
    const std::string path = folder.path("score.txt");
    const std::string old = "old list\r\n";
    const std::string fresh = formatScores(tenRecords());

    // The player's own read-only file in a folder the player may write: not written.
    writeWholeFile(path, old);
    ::chmod(path.c_str(), 0444);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
    EXPECT_FALSE(asOrdinaryUser([&] { return saveScores(path, tenRecords()); }));
    EXPECT_EQ(readWholeFile(path), old);
    EXPECT_EQ(modeOf(path), 0444u);

    // A private mode stays private.
    ::chmod(path.c_str(), 0600);
    EXPECT_TRUE(asOrdinaryUser([&] { return saveScores(path, tenRecords()); }));
    EXPECT_EQ(readWholeFile(path), fresh);
    EXPECT_EQ(modeOf(path), 0600u);
    std::filesystem::remove(path);

    if (::geteuid() != 0)
        GTEST_SKIP() << "files of another owner need a run as root";
    // Another user's private file: not readable, not writable, and not replaced either.
    writeWholeFile(path, old);
    ::chmod(path.c_str(), 0600);
    EXPECT_FALSE(asOrdinaryUser([&] { return saveScores(path, tenRecords()); }));
    EXPECT_EQ(readWholeFile(path), old);
    // Another user's file open to all: written in place, so it stays theirs.
    ::chmod(path.c_str(), 0666);
    EXPECT_TRUE(asOrdinaryUser([&] { return saveScores(path, tenRecords()); }));
    EXPECT_EQ(readWholeFile(path), fresh);
    struct stat status {};
    ::stat(path.c_str(), &status);
    EXPECT_EQ(status.st_uid, 0u);
}

TEST(ScoreSave, LinksKeepTheirFileAndAReadOnlyFolderStillTakesTheList)
{
    ScoreTestFolder folder;
    ::chmod(folder.root().c_str(), 0777);
    const std::string path = folder.path("score.txt");
    const std::string fresh = formatScores(tenRecords());
    const auto saveAsPlayer = [&] { return asOrdinaryUser([&] { return saveScores(path, tenRecords()); }); };
    const auto ownedByPlayer = [&](const std::string& file) {
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
        }
    };

    // A relative symbolic link, then a dangling one: the link stays, its target gets the list.
    writeWholeFile(folder.path("real.txt"), "x");
    ownedByPlayer(folder.path("real.txt"));
    std::filesystem::create_symlink("real.txt", path);
    EXPECT_TRUE(saveAsPlayer());
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(readWholeFile(folder.path("real.txt")), fresh);
    std::filesystem::remove(path);
    std::filesystem::create_symlink("made.txt", path);
    EXPECT_TRUE(saveAsPlayer());
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_EQ(readWholeFile(folder.path("made.txt")), fresh);
    std::filesystem::remove(path);

    // Two hard links: both names still share the file.
    writeWholeFile(path, "x");
    ownedByPlayer(path);
    std::filesystem::create_hard_link(path, folder.path("other.txt"));
    EXPECT_TRUE(saveAsPlayer());
    EXPECT_EQ(readWholeFile(folder.path("other.txt")), fresh);
    EXPECT_EQ(std::filesystem::hard_link_count(path), 2u);
    std::filesystem::remove(folder.path("other.txt"));

    // A planted link at the temporary name is never followed.
    writeWholeFile(folder.path("victim.txt"), "keep");
    std::filesystem::create_symlink("victim.txt", savingPath(path));
    EXPECT_TRUE(saveAsPlayer());
    EXPECT_EQ(readWholeFile(folder.path("victim.txt")), "keep");
    EXPECT_EQ(readWholeFile(path), fresh);
    std::filesystem::remove(savingPath(path));

    // The player's writable file in a folder closed to new files: written in place.
    writeWholeFile(path, "x");
    ::chmod(path.c_str(), 0666);
    ::chmod(folder.root().c_str(), 0555);
    EXPECT_TRUE(saveAsPlayer());
    ::chmod(folder.root().c_str(), 0777);
    EXPECT_EQ(readWholeFile(path), fresh);
}

TEST(ScoreSave, TheProcessTableGoesThroughLoadInsertAndSave)
{
    // Only this test touches the process table; it starts blank.
    EXPECT_EQ(processScoreTable(), ScoreTable{});
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    loadScores(path);
    EXPECT_EQ(processScoreTable(), defaultScoreTable());
    EXPECT_EQ(insertScore("小vu", 3, 55), 9);
    ASSERT_TRUE(saveScores(path));
    EXPECT_EQ(readWholeFile(path), kDefaultFile.substr(0, kDefaultFile.size() - 13) + "\xD0\xA1vu\r\n3\r\n55\r\n");
}
