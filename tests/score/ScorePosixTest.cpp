// What only a POSIX system can set up: pipes, endless devices, sparse files, copies of the
// game made with fork and killed with SIGKILL.

#include "ScoreSamples.h"
#include "ScoreTestFolder.h"

#include "files/FileLock.h"
#include "score/ScoreFile.h"
#include "score/ScoreTable.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace score;

TEST(ScoreLoad, NoFileHoldsTheLoadUp)
{
    ScoreTestFolder folder;
    const std::string pipe = folder.path("pipe.txt"), zeros = folder.path("zeros.txt"), sparse = folder.path("sparse.txt");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", zeros.c_str()), 0);
    // 4 GiB that are all hole after a list whose last line has no ending, so that a reader
    // without a bound would go on through every zero.
    ScoreTable table = defaultScoreTable();
    table[9] = ScoreEntry{"last", 1, 42};
    std::string list = formatScores(table);
    list.resize(list.size() - 2);
    writeWholeFile(sparse, list);
    ASSERT_EQ(::truncate(sparse.c_str(), off_t(4) << 30), 0);

    EXPECT_EQ(loadWithinASecond(pipe), defaultScoreTable()) << "a pipe with no writer";
    EXPECT_EQ(loadWithinASecond(zeros), defaultScoreTable()) << "an endless device";
    table[9].health = 0; // its line runs on past the bound
    EXPECT_EQ(loadWithinASecond(sparse), table) << "a 4 GiB file";
}

TEST(ScoreSave, AnInterruptionAtAnyMomentLeavesOneWholeListAndNoLitter)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    const ScoreTable lists[2] = {defaultScoreTable(), tenRecords()};
    const std::string files[2] = {formatScores(lists[0]), formatScores(lists[1])};
    // What a save cut off may leave: its temporary, "score.txt.saving-" and six characters.
    const auto isScoreFileAndAtMostATemporary = [](const std::string& listing) {
        return listing == "score.txt;" ||
               (listing.size() == 34 && listing.rfind("score.txt;score.txt.saving-", 0) == 0 && listing.back() == ';');
    };
    ASSERT_TRUE(saveScores(path, lists[0]));

    // A fixed seed, so a failing round can be replayed as far as timing allows.
    std::mt19937 random(20261208);
    // Up to 8 ms: a save, lock and all, must be able to finish also in a sanitizer build.
    std::uniform_int_distribution<int> delay(1, 8000);
    int roundsEndingOnTheSecondList = 0;
    for (int round = 0; round < 300; ++round) {
        // Two savers at once, so that they also meet each other, each alternating the lists.
        pid_t savers[2];
        for (int saver = 0; saver < 2; ++saver) {
            savers[saver] = fork();
            if (savers[saver] == 0) {
                // As the game saves: under the lock that keeps other copies out meanwhile.
                for (int i = saver;; ++i) {
                    const files::FileLock lock(path);
                    (void)saveScores(path, lists[(i + 1) % 2]);
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        for (const pid_t saver : savers) {
            if (saver > 0) {
                ::kill(saver, SIGKILL);
                ::waitpid(saver, nullptr, 0);
            }
        }
        ASSERT_TRUE(savers[0] > 0 && savers[1] > 0) << "fork failed";

        const std::string bytes = readWholeFile(path);
        ASSERT_TRUE(bytes == files[0] || bytes == files[1]) << "round " << round << ": " << bytes.size() << " bytes";
        roundsEndingOnTheSecondList += bytes == files[1];
        const std::string listing = folder.listing();
        ASSERT_TRUE(isScoreFileAndAtMostATemporary(listing)) << "round " << round << ": " << listing;
    }
    EXPECT_GT(roundsEndingOnTheSecondList, 0) << "no save ever got done before its kill";

    ASSERT_TRUE(saveScores(path, lists[1]));
    EXPECT_EQ(readWholeFile(path), files[1]);
    EXPECT_EQ(folder.listing(), "score.txt;");
}
