#include "OrdinaryUser.h"
#include "ScoreTestFolder.h"

#include "score/ScoreFile.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace score;

namespace {

const std::string kOldList = formatScores(defaultScoreTable());

ScoreTable newTable()
{
    ScoreTable table = defaultScoreTable();
    table[0] = ScoreEntry{"player", 99999999, 100};
    return table;
}

const std::string kNewList = formatScores(newTable());

bool save(const std::string& path)
{
    return runAsOrdinaryUser([&path] { return saveScores(path, newTable()); });
}

struct stat statusOf(const std::string& path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        ADD_FAILURE() << "no " << path;
    return status;
}

mode_t modeOf(const std::string& path) { return statusOf(path).st_mode & 07777; }

// A file of the ordinary user's, as the game would have left it.
void makePlayersFile(const std::string& path, mode_t mode)
{
    writeWholeFile(path, kOldList);
    giveToOrdinaryUser(path);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

// The player's own folder.
void makePlayersFolder(const ScoreTestFolder& folder, mode_t mode)
{
    giveToOrdinaryUser(folder.root().string());
    ASSERT_EQ(::chmod(folder.root().c_str(), mode), 0);
}

} // namespace

TEST(ScoreSavePermission, AReadOnlyFileStaysAsItWasEvenInAWritableFolder)
{
    ScoreTestFolder folder;
    makePlayersFolder(folder, 0755);
    const std::string path = folder.path("score.txt");
    makePlayersFile(path, 0444);
    const ino_t inode = statusOf(path).st_ino;

    EXPECT_FALSE(save(path));
    EXPECT_EQ(readWholeFile(path), kOldList);
    EXPECT_EQ(modeOf(path), 0444u);
    EXPECT_EQ(statusOf(path).st_ino, inode);
    EXPECT_EQ(folder.listing(), "score.txt;");
}

TEST(ScoreSavePermission, AWritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    makePlayersFile(path, 0644);
    writeWholeFile(path, std::string(5000, 'q')); // longer than the list, to be cut
    const ino_t inode = statusOf(path).st_ino;
    makePlayersFolder(folder, 0555);

    EXPECT_TRUE(save(path));
    EXPECT_EQ(readWholeFile(path), kNewList);
    EXPECT_EQ(statusOf(path).st_ino, inode);
    EXPECT_EQ(modeOf(path), 0644u);
    EXPECT_EQ(folder.listing(), "score.txt;");
}

TEST(ScoreSavePermission, AnotherUsersFileInASharedFolderKeepsItsOwner)
{
    if (!startedAsRoot())
        GTEST_SKIP() << "only root can make a file of another user";
    ScoreTestFolder folder;
    ASSERT_EQ(::chmod(folder.root().c_str(), 01777), 0);
    const std::string closed = folder.path("closed.txt"), open = folder.path("open.txt");
    writeWholeFile(closed, kOldList);
    writeWholeFile(open, kOldList);
    ASSERT_EQ(::chmod(closed.c_str(), 0600), 0);
    ASSERT_EQ(::chmod(open.c_str(), 0666), 0);
    const ino_t openInode = statusOf(open).st_ino;

    // Not ours to read or write: not written, and not replaced by a file of ours either.
    EXPECT_FALSE(save(closed));
    EXPECT_EQ(readWholeFile(closed), kOldList);
    EXPECT_EQ(statusOf(closed).st_uid, 0u);

    // Writable by anyone: written, but still the other user's file.
    EXPECT_TRUE(save(open));
    EXPECT_EQ(readWholeFile(open), kNewList);
    EXPECT_EQ(statusOf(open).st_uid, 0u);
    EXPECT_EQ(statusOf(open).st_ino, openInode);
    EXPECT_EQ(modeOf(open), 0666u);
    EXPECT_EQ(folder.listing(), "closed.txt;open.txt;");

    // In a folder that would let us rename over it, of a group we share: still the same file
    // of the same owner.
    ScoreTestFolder plain;
    ASSERT_EQ(::chmod(plain.root().c_str(), 0777), 0);
    const std::string theirs = plain.path("score.txt");
    writeWholeFile(theirs, kOldList);
    ASSERT_EQ(::chown(theirs.c_str(), 0, ordinaryGid()), 0);
    ASSERT_EQ(::chmod(theirs.c_str(), 0666), 0);
    const ino_t theirsInode = statusOf(theirs).st_ino;
    EXPECT_TRUE(save(theirs));
    EXPECT_EQ(readWholeFile(theirs), kNewList);
    EXPECT_EQ(statusOf(theirs).st_uid, 0u);
    EXPECT_EQ(statusOf(theirs).st_ino, theirsInode);
    EXPECT_EQ(plain.listing(), "score.txt;");
}

TEST(ScoreSavePermission, ALinkStaysALinkAndTheFileAtItsEndGetsTheList)
{
    ScoreTestFolder folder;
    makePlayersFolder(folder, 0755);
    const std::string data = folder.path("data");
    ASSERT_EQ(::mkdir(data.c_str(), 0755), 0);
    giveToOrdinaryUser(data);
    makePlayersFile(data + "/real.txt", 0640);
    // A chain whose second link is relative to its own folder, not to the first one's.
    const std::string path = folder.path("score.txt"), dangling = folder.path("later.txt");
    ASSERT_EQ(::symlink("data/hop", path.c_str()), 0);
    ASSERT_EQ(::symlink("real.txt", (data + "/hop").c_str()), 0);
    ASSERT_EQ(::symlink("data/new.txt", dangling.c_str()), 0);

    EXPECT_TRUE(save(path));
    EXPECT_TRUE(S_ISLNK(statusOf(path).st_mode));
    EXPECT_TRUE(S_ISLNK(statusOf(data + "/hop").st_mode));
    EXPECT_EQ(readWholeFile(data + "/real.txt"), kNewList);
    EXPECT_EQ(modeOf(data + "/real.txt"), 0640u);

    // A link to a file not there yet makes the file, with the mode the umask leaves a new
    // file; a umask that lets the group write, so that a fixed mode shows.
    const mode_t umask = ::umask(0002);
    EXPECT_TRUE(save(dangling));
    ::umask(umask);
    EXPECT_TRUE(S_ISLNK(statusOf(dangling).st_mode));
    EXPECT_EQ(readWholeFile(data + "/new.txt"), kNewList);
    EXPECT_EQ(modeOf(data + "/new.txt"), 0664u);
    EXPECT_EQ(statusOf(data + "/new.txt").st_uid, ordinaryUid());
    EXPECT_EQ(folder.listing(), "data;later.txt;score.txt;");
}

TEST(ScoreSavePermission, EveryHardLinkedNameShowsTheNewList)
{
    ScoreTestFolder folder;
    makePlayersFolder(folder, 0755);
    const std::string path = folder.path("score.txt"), other = folder.path("backup.txt");
    makePlayersFile(path, 0644);
    ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);

    EXPECT_TRUE(save(path));
    EXPECT_EQ(readWholeFile(path), kNewList);
    EXPECT_EQ(readWholeFile(other), kNewList);
    EXPECT_EQ(statusOf(path).st_nlink, 2u);
    EXPECT_EQ(statusOf(path).st_ino, statusOf(other).st_ino);
}

TEST(ScoreSavePermission, TheFileKeepsItsModeAndGroup)
{
    ScoreTestFolder folder;
    makePlayersFolder(folder, 0755);
    const std::string closed = folder.path("closed.txt"), shared = folder.path("shared.txt");
    makePlayersFile(closed, 0600);
    makePlayersFile(shared, 0664);

    EXPECT_TRUE(save(closed));
    EXPECT_TRUE(save(shared));
    EXPECT_EQ(readWholeFile(closed), kNewList);
    EXPECT_EQ(modeOf(closed), 0600u);
    EXPECT_EQ(modeOf(shared), 0664u);

    // A group the player is not in cannot be given to a replacement: written in place.
    if (startedAsRoot()) {
        const std::string foreign = folder.path("foreign.txt");
        makePlayersFile(foreign, 0640);
        ASSERT_EQ(::lchown(foreign.c_str(), ordinaryUid(), 0), 0);
        EXPECT_TRUE(save(foreign));
        EXPECT_EQ(readWholeFile(foreign), kNewList);
        EXPECT_EQ(statusOf(foreign).st_gid, 0u);
        EXPECT_EQ(modeOf(foreign), 0640u);
    }
    EXPECT_EQ(folder.listing(), "closed.txt;" + std::string(startedAsRoot() ? "foreign.txt;" : "") + "shared.txt;");
}

TEST(ScoreSavePermission, NothingPlantedAtTheTemporaryNameIsFollowedOrWaitedOn)
{
    ScoreTestFolder folder;
    makePlayersFolder(folder, 0755);
    const std::string path = folder.path("score.txt"), elsewhere = folder.path("elsewhere.txt");
    const std::string planted = path + ".saving";
    makePlayersFile(path, 0644);
    writeWholeFile(elsewhere, "precious");
    giveToOrdinaryUser(elsewhere);
    ASSERT_EQ(::symlink(elsewhere.c_str(), planted.c_str()), 0);

    EXPECT_TRUE(save(path));
    EXPECT_EQ(readWholeFile(path), kNewList);
    EXPECT_EQ(readWholeFile(elsewhere), "precious");

    // A pipe with no reader: opening it to write would wait for ever. In a thread of its own,
    // so a save that waits fails the test instead of holding up the suite.
    ::unlink(planted.c_str());
    ASSERT_EQ(::mkfifo(planted.c_str(), 0666), 0);
    giveToOrdinaryUser(planted);
    writeWholeFile(path, kOldList);
    auto done = std::make_shared<std::promise<bool>>();
    std::future<bool> saved = done->get_future();
    std::thread([path, done] { done->set_value(save(path)); }).detach();
    ASSERT_EQ(saved.wait_for(std::chrono::seconds(2)), std::future_status::ready) << "the save waits on the pipe";
    EXPECT_TRUE(saved.get());
    EXPECT_EQ(readWholeFile(path), kNewList);
}

TEST(ScoreSavePermission, WhateverLiesAtTheTemporaryNameTheFirstListIsSaved)
{
    // Left there by another program or another user before the list was ever saved.
    ScoreTestFolder folder;
    makePlayersFolder(folder, 0755);
    const std::string path = folder.path("score.txt"), planted = path + ".saving";
    const std::pair<const char*, std::function<bool()>> plants[] = {
        {"a folder", [&] { return ::mkdir(planted.c_str(), 0755) == 0; }},
        {"a pipe with no reader", [&] { return ::mkfifo(planted.c_str(), 0644) == 0; }},
        {"another user's file", [&] {
             writeWholeFile(planted, "not ours");
             return startedAsRoot(); // root's, when the save runs as nobody
         }},
    };
    for (const auto& [what, plant] : plants) {
        std::filesystem::remove_all(planted);
        ::unlink(path.c_str());
        if (!plant())
            continue;
        const auto kind = std::filesystem::symlink_status(planted).type();
        EXPECT_TRUE(save(path)) << "with " << what << " at the name";
        EXPECT_EQ(std::filesystem::exists(path) ? readWholeFile(path) : "", kNewList) << what;
        EXPECT_EQ(std::filesystem::symlink_status(planted).type(), kind) << what << " stays";
        EXPECT_EQ(folder.listing(), "score.txt;score.txt.saving;") << what;
    }
}
