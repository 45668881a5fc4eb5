// Copies of the game at the same moment, each a process of its own that goes through the keeper
// as the start screen does: load, perhaps insert, save.

#include "score/ScoreFile.h"
#include "screens/ScoreKeeper.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace screens;

namespace {

// Starts a copy that waits until `startSignal` is closed, then runs `update` on a keeper of
// its own and ends; the exit status is 0 when it got through, 3 when its save failed.
pid_t startCopy(const QString& path, const int startSignal[2], const std::function<void(ScoreKeeper&)>& update)
{
    const pid_t copy = ::fork();
    if (copy != 0)
        return copy;
    ::alarm(30); // a copy that hangs must not outlive the test
    ::close(startSignal[1]);
    char byte;
    while (::read(startSignal[0], &byte, 1) < 0 && errno == EINTR) {
    }
    ScoreKeeper keeper(path, [](int) { ::_exit(3); });
    update(keeper);
    ::_exit(0);
}

// The copy's exit status, or -1 when it has not ended within the time.
int waitForCopy(pid_t copy, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    while (::waitpid(copy, &status, WNOHANG) == 0) {
        if (clock.elapsed() > timeoutMs)
            return -1;
        ::usleep(2000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string copyName(int copy) { return "copy " + std::to_string(copy); }

} // namespace

TEST(ScoreKeeper, CopiesSavingAtOnceLoseNoResultAndAStuckOneHoldsUpOthersOnlyBriefly)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("score.txt");
    const std::string file = QFile::encodeName(path).toStdString();

    // Every round: four copies each end a game with a result above the whole default list,
    // and a fifth opens the list only, which reads and rewrites it too. Half the rounds start
    // with no file, so the copies also meet when it is first made; the others with the
    // default list on file.
    constexpr int kRounds = 40, kPlayers = 4;
    int kept = 0;
    for (int round = 0; round < kRounds; ++round) {
        QFile::remove(path);
        if (round % 2 == 1) {
            ASSERT_TRUE(score::saveScores(file, score::defaultScoreTable()));
        }
        int startSignal[2];
        ASSERT_EQ(::pipe(startSignal), 0);
        std::vector<pid_t> copies;
        for (int c = 0; c <= kPlayers; ++c) {
            copies.push_back(startCopy(path, startSignal, [c](ScoreKeeper& keeper) {
                keeper.load();
                if (c < kPlayers)
                    keeper.insert(copyName(c), 20000000 + c, 50);
                keeper.saveOrEndProcess();
            }));
        }
        ::close(startSignal[0]);
        ::close(startSignal[1]); // all copies go
        for (pid_t copy : copies)
            ASSERT_EQ(waitForCopy(copy, 20000), 0) << "round " << round;

        score::ScoreTable onFile;
        score::loadScores(file, onFile);
        for (int c = 0; c < kPlayers; ++c) {
            const bool found = std::find(onFile.begin(), onFile.end(), score::ScoreEntry{copyName(c), 20000000 + c, 50}) !=
                               onFile.end();
            kept += found;
            EXPECT_TRUE(found) << "round " << round << ": the result of " << copyName(c) << " is lost";
        }
        EXPECT_EQ(onFile[kPlayers], score::defaultScoreTable()[0]) << "round " << round;
    }
    std::cout << "[ figures  ] " << kRounds << " rounds of " << kPlayers << " copies saving a result and one opening "
              << "the list at once: " << kept << " of " << kRounds * kPlayers << " results kept\n";
    EXPECT_EQ(kept, kRounds * kPlayers);

    // A copy stopped while it holds the list open: another one still saves, after a short wait.
    int startSignal[2];
    ASSERT_EQ(::pipe(startSignal), 0);
    const pid_t stuck = startCopy(path, startSignal, [](ScoreKeeper& keeper) {
        keeper.load();
        ::raise(SIGSTOP);
        keeper.saveOrEndProcess();
    });
    ::close(startSignal[0]);
    ::close(startSignal[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(stuck, &status, WUNTRACED), stuck);
    ASSERT_TRUE(WIFSTOPPED(status));
    const int noSignal[2] = {::open("/dev/null", O_RDONLY), ::open("/dev/null", O_RDONLY)};
    QElapsedTimer clock;
    clock.start();
    const pid_t late = startCopy(path, noSignal, [](ScoreKeeper& keeper) {
        keeper.load();
        keeper.insert("late", 30000000, 1);
        keeper.saveOrEndProcess();
    });
    ::close(noSignal[0]);
    ::close(noSignal[1]);
    EXPECT_EQ(waitForCopy(late, 15000), 0) << "the copy waits on the stuck one";
    EXPECT_LT(clock.elapsed(), 10000);
    ::kill(stuck, SIGKILL);
    ::waitpid(stuck, nullptr, 0);
    score::ScoreTable onFile;
    score::loadScores(file, onFile);
    EXPECT_EQ(onFile[0], (score::ScoreEntry{"late", 30000000, 1}));
}
