// What only Windows can show: copies of the game as processes of their own, started and killed
// through the system; read-only marks, sharing modes and companion lock files; UTF-8 names.

#include "ScoreSamples.h"
#include "ScoreTestFolder.h"

#include "files/FileLock.h"
#include "files/Paths.h"
#include "score/ScoreFile.h"

#include <windows.h>

#include <shellapi.h>

#include <chrono>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace score;

namespace {

struct CloseHandleOf {
    void operator()(HANDLE handle) const
    {
        if (handle && handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    }
};
using Handle = std::unique_ptr<void, CloseHandleOf>;

std::wstring wide(const std::string& utf8) { return std::filesystem::u8path(utf8).wstring(); }
std::string utf8(const std::wstring& wide) { return std::filesystem::path(wide).u8string(); }

constexpr wchar_t kCopyFlag[] = L"--score-copy";

// A copy of the game as the tests below start it: arguments list, barrier, then a name and an
// amount to place twice, each time under the lock from load to save, or nothing to save the
// two lists in turn until it is killed.
[[noreturn]] void saveAsACopyOfTheGame(wchar_t** argv, int argc)
{
    const std::string list = utf8(argv[2]);
    const Handle ready(::OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, (std::wstring(argv[3]) + L"-ready").c_str()));
    const Handle go(::OpenEventW(SYNCHRONIZE, FALSE, (std::wstring(argv[3]) + L"-go").c_str()));
    if (!ready || !go || !::ReleaseSemaphore(ready.get(), 1, nullptr) || ::WaitForSingleObject(go.get(), 60000) != WAIT_OBJECT_0)
        ::ExitProcess(2);
    if (argc == 6) {
        for (int k = 0; k < 2; ++k) {
            const files::FileLock lock(list);
            ScoreTable table{};
            loadScores(list, table);
            insertScore(table, utf8(argv[4]) + "-" + std::to_string(k), std::stoi(argv[5]) + k, 1);
            if (!saveScores(list, table))
                ::ExitProcess(1);
        }
        ::ExitProcess(0);
    }
    for (int i = 0;; ++i) {
        const files::FileLock lock(list);
        (void)saveScores(list, i % 2 ? tenRecords() : defaultScoreTable());
    }
}

// Such a copy is this program, told by its first argument; it saves before main and never gets
// to the tests.
[[maybe_unused]] const bool kStartedAsACopy = [] {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv && argc >= 4 && std::wcscmp(argv[1], kCopyFlag) == 0)
        saveAsACopyOfTheGame(argv, argc);
    ::LocalFree(argv);
    return false;
}();

// Copies of this program saving `list`, one for each set of extra arguments, held back until
// every one has started, so that they save at the same moment. Killed if still running at the
// end.
class Copies {
public:
    Copies(const std::string& list, const std::vector<std::wstring>& extras) : wanted_(extras.size())
    {
        static int made = 0;
        const std::wstring barrier =
            L"Local\\score-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++made);
        ready_.reset(::CreateSemaphoreW(nullptr, 0, LONG(extras.size()), (barrier + L"-ready").c_str()));
        go_.reset(::CreateEventW(nullptr, TRUE, FALSE, (barrier + L"-go").c_str()));
        wchar_t program[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, program, MAX_PATH);
        for (const std::wstring& extra : extras) {
            std::wstring command = L"\"" + std::wstring(program) + L"\" " + kCopyFlag + L" \"" + wide(list) + L"\" " +
                                   barrier + L" " + extra;
            STARTUPINFOW startup{};
            startup.cb = sizeof startup;
            PROCESS_INFORMATION started{};
            // Wine now and then answers ERROR_INTERNAL_ERROR while it starts another program.
            DWORD error = 0;
            for (int attempt = 0; attempt < 5; ++attempt) {
                if (::CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
                    break;
                error = ::GetLastError();
                started.hProcess = nullptr;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            if (!started.hProcess) {
                ADD_FAILURE() << "a copy did not start: error " << error;
                continue;
            }
            ::CloseHandle(started.hThread);
            processes_.emplace_back(started.hProcess);
        }
    }
    ~Copies() { kill(); }

    // Whether every copy started and got ready; then they all go at once.
    bool go()
    {
        if (!ready_ || !go_ || processes_.size() != wanted_)
            return false;
        for (std::size_t i = 0; i < processes_.size(); ++i) {
            const DWORD waited = ::WaitForSingleObject(ready_.get(), 30000);
            if (waited != WAIT_OBJECT_0) {
                ADD_FAILURE() << "copy " << i << " did not get ready: " << waited << ", error " << ::GetLastError();
                return false;
            }
        }
        return ::SetEvent(go_.get());
    }

    // How each copy ended, once all have.
    std::vector<DWORD> exitCodes()
    {
        std::vector<DWORD> codes;
        for (const Handle& process : processes_) {
            DWORD code = 99;
            ::WaitForSingleObject(process.get(), 60000);
            ::GetExitCodeProcess(process.get(), &code);
            codes.push_back(code);
        }
        return codes;
    }

    void kill()
    {
        for (const Handle& process : processes_)
            ::TerminateProcess(process.get(), 9);
        for (const Handle& process : processes_)
            ::WaitForSingleObject(process.get(), 60000);
    }

private:
    std::size_t wanted_;
    Handle ready_, go_;
    std::vector<Handle> processes_;
};

Handle openShared(const std::string& path, DWORD access, DWORD sharing)
{
    return Handle(::CreateFileW(wide(path).c_str(), access, sharing, nullptr, OPEN_ALWAYS, 0, nullptr));
}

} // namespace

TEST(ScoreWindows, CopiesSavingAtOnceLoseNoResult)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    // Five copies placing two results each, all above the default list: the ten fill it.
    std::vector<std::wstring> results;
    ScoreTable expected{};
    for (int copy = 0; copy < 5; ++copy) {
        results.push_back(L"copy" + std::to_wstring(copy) + L" " + std::to_wstring(20000000 + 10 * copy));
        for (int k = 0; k < 2; ++k)
            expected[std::size_t(9 - 2 * copy - k)] = ScoreEntry{"copy" + std::to_string(copy) + "-" + std::to_string(k), 20000000 + 10 * copy + k, 1};
    }
    Copies copies(path, results);
    ASSERT_TRUE(copies.go());
    EXPECT_EQ(copies.exitCodes(), std::vector<DWORD>(5, 0));
    ScoreTable loaded = stale();
    loadScores(path, loaded);
    EXPECT_EQ(formatScores(loaded), formatScores(expected));
    EXPECT_EQ(folder.listing(), "score.txt;score.txt.lock;");
}

TEST(ScoreWindows, ASaveCutShortLeavesTheOldListWhole)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    const std::string lists[2] = {formatScores(defaultScoreTable()), formatScores(tenRecords())};
    // What a save killed may leave: its temporary, "score.txt.saving-" and six characters.
    const std::string kept = "score.txt;score.txt.lock;";
    const auto isListAndAtMostATemporary = [&kept](const std::string& listing) {
        return listing == kept ||
               (listing.size() == kept.size() + 24 && listing.rfind(kept + "score.txt.saving-", 0) == 0 && listing.back() == ';');
    };
    {
        const files::FileLock lock(path);
        ASSERT_TRUE(saveScores(path, defaultScoreTable()));
    }
    // A fixed seed, so a failing round can be replayed as far as timing allows.
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delay(1, 25);
    int roundsEndingOnTheSecondList = 0;
    for (int round = 0; round < 40; ++round) {
        Copies copies(path, {L"", L""});
        ASSERT_TRUE(copies.go());
        std::this_thread::sleep_for(std::chrono::milliseconds(delay(random)));
        copies.kill();
        const std::string bytes = readWholeFile(path);
        ASSERT_TRUE(bytes == lists[0] || bytes == lists[1]) << "round " << round << ": " << bytes.size() << " bytes";
        roundsEndingOnTheSecondList += bytes == lists[1];
        const std::string listing = folder.listing();
        ASSERT_TRUE(isListAndAtMostATemporary(listing)) << "round " << round << ": " << listing;
    }
    EXPECT_GT(roundsEndingOnTheSecondList, 0) << "no save ever got done before its kill";
    ASSERT_TRUE(saveScores(path, tenRecords()));
    EXPECT_EQ(folder.listing(), kept);
}

TEST(ScoreWindows, AReadOnlyListIsRefusedAndLeftAsItWas)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    writeWholeFile(path, formatScores(tenRecords()));
    ASSERT_TRUE(::SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(saveScores(path, defaultScoreTable()));
    EXPECT_EQ(readWholeFile(path), formatScores(tenRecords()));
    EXPECT_TRUE(::GetFileAttributesW(wide(path).c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(folder.listing(), "score.txt;");
}

TEST(ScoreWindows, NothingButAFileOnADiskIsReadOrWritten)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    std::filesystem::create_directory(wide(path));
    EXPECT_FALSE(saveScores(path, tenRecords()));
    EXPECT_TRUE(std::filesystem::is_directory(wide(path)));
    EXPECT_EQ(folder.listing(), "score.txt;");

    // A pipe whose server never writes: reading it would wait for ever.
    const std::string pipe = "\\\\.\\pipe\\score-test-" + std::to_string(::GetCurrentProcessId());
    const Handle server(::CreateNamedPipeW(wide(pipe).c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT,
                                           PIPE_UNLIMITED_INSTANCES, 4096, 4096, 0, nullptr));
    ASSERT_NE(server.get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(loadWithinASecond(pipe), defaultScoreTable()) << "a pipe";
    EXPECT_FALSE(saveScores(pipe, tenRecords()));
    EXPECT_EQ(loadWithinASecond("NUL"), defaultScoreTable()) << "a device";
    EXPECT_FALSE(saveScores("NUL", tenRecords()));
}

TEST(ScoreWindows, AProgramHoldingTheListIsWaitedForBriefly)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    writeWholeFile(path, formatScores(tenRecords()));
    const auto holdFor = [&](DWORD sharing, std::chrono::milliseconds time) {
        auto held = std::make_shared<Handle>(openShared(path, GENERIC_READ, sharing));
        EXPECT_NE(held->get(), INVALID_HANDLE_VALUE);
        return std::thread([held, time] {
            std::this_thread::sleep_for(time);
            held->reset();
        });
    };
    // Open without any sharing: the load waits it out rather than take the default list.
    std::thread holder = holdFor(0, std::chrono::milliseconds(300));
    ScoreTable loaded = stale();
    loadScores(path, loaded);
    EXPECT_EQ(loaded, tenRecords());
    holder.join();

    // Open without sharing its deletion, which the rename needs.
    holder = holdFor(FILE_SHARE_READ | FILE_SHARE_WRITE, std::chrono::milliseconds(300));
    EXPECT_TRUE(saveScores(path, defaultScoreTable()));
    holder.join();
    EXPECT_EQ(readWholeFile(path), formatScores(defaultScoreTable()));

    // Held on: the save gives up, the list as it was.
    const auto start = std::chrono::steady_clock::now();
    holder = holdFor(FILE_SHARE_READ | FILE_SHARE_WRITE, std::chrono::milliseconds(2500));
    EXPECT_FALSE(saveScores(path, tenRecords()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    holder.join();
    EXPECT_EQ(readWholeFile(path), formatScores(defaultScoreTable()));
    EXPECT_EQ(folder.listing(), "score.txt;");
}

TEST(ScoreWindows, LeftoversAreClearedButNotATemporaryInUse)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    writeWholeFile(path, "old");
    writeWholeFile(path + ".saving-AbC123", "left by a save that was killed");
    writeWholeFile(path + ".saving-12345", "not a name of ours");
    std::filesystem::create_directory(wide(path + ".saving-Folder"));
    const std::string others = "score.txt;score.txt.saving-12345;score.txt.saving-Folder;";

    // A reader that does not share deleting holds the save at its rename, its temporary open.
    Handle reader = openShared(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    std::future<bool> saved = std::async(std::launch::async, [&path] { return saveScores(path, tenRecords()); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::vector<std::filesystem::path> temporaries;
    for (const auto& entry : std::filesystem::directory_iterator(folder.root()))
        if (entry.path().filename().u8string().size() == 23 && entry.path().filename().u8string() != "score.txt.saving-Folder")
            temporaries.push_back(entry.path());
    ASSERT_EQ(temporaries.size(), 1u) << folder.listing();
    EXPECT_NE(temporaries[0].filename(), L"score.txt.saving-AbC123");
    EXPECT_FALSE(::DeleteFileW(temporaries[0].c_str())) << "another save could clear it away";
    reader.reset();
    EXPECT_TRUE(saved.get());
    EXPECT_EQ(folder.listing(), others);
    EXPECT_EQ(readWholeFile(path), formatScores(tenRecords()));
}

TEST(ScoreWindows, SavesThatGoOnWithoutTheLockStillSucceed)
{
    // As copies do once the lock's patience is over: each may clear the other's temporary away
    // as a leftover, unless the system keeps it, and rename over the other's list.
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt");
    const ScoreTable lists[2] = {defaultScoreTable(), tenRecords()};
    int failed[2] = {0, 0};
    std::thread savers[2];
    for (int saver = 0; saver < 2; ++saver)
        savers[saver] = std::thread([&, saver] {
            for (int i = 0; i < 100; ++i)
                failed[saver] += !saveScores(path, lists[(saver + i) % 2]);
        });
    for (std::thread& saver : savers)
        saver.join();
    EXPECT_EQ(failed[0] + failed[1], 0);
    const std::string bytes = readWholeFile(path);
    EXPECT_TRUE(bytes == formatScores(lists[0]) || bytes == formatScores(lists[1]));
    EXPECT_EQ(folder.listing(), "score.txt;");
}

TEST(ScoreWindows, TheLockIsAHiddenFileBesideTheListTakenAtMostForItsPatience)
{
    ScoreTestFolder folder;
    const std::string path = folder.path("score.txt"), lockFile = path + ".lock";
    const auto tryLock = [](const Handle& file) {
        OVERLAPPED start{};
        return ::LockFileEx(file.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start) != 0;
    };
    std::optional<files::FileLock> lock;
    lock.emplace(path);
    const DWORD attributes = ::GetFileAttributesW(wide(lockFile).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(::DeleteFileW(wide(lockFile).c_str())) << "deleted while a copy holds it";
    const Handle other = openShared(lockFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    EXPECT_FALSE(tryLock(other));
    lock.reset();
    ASSERT_TRUE(tryLock(other));

    // Held by another: waited for, then gone on without.
    const auto start = std::chrono::steady_clock::now();
    lock.emplace(path);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, files::kLockPatience - std::chrono::milliseconds(20));
    EXPECT_LT(waited, files::kLockPatience + std::chrono::seconds(2));
    EXPECT_TRUE(saveScores(path, tenRecords()));
    EXPECT_EQ(folder.listing(), "score.txt;score.txt.lock;");
}

TEST(ScoreWindows, AFolderWithAChineseNameHoldsTheList)
{
    ScoreTestFolder folder;
    const std::filesystem::path chinese = folder.root() / L"货郎测试";
    ASSERT_TRUE(std::filesystem::create_directory(chinese));
    const std::string path = folder.path(u8"货郎测试/score.txt");
    {
        const files::FileLock lock(path);
        ASSERT_TRUE(saveScores(path, tenRecords()));
    }
    ScoreTable loaded = stale();
    loadScores(path, loaded);
    EXPECT_EQ(loaded, tenRecords());
    EXPECT_TRUE(std::filesystem::is_regular_file(chinese / L"score.txt"));
    EXPECT_NE(::GetFileAttributesW((chinese / L"score.txt.lock").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(files::directoryOf(path), folder.path(u8"货郎测试"));

    // The same name in GBK bytes is no UTF-8: it names no file, and none is made of it.
    const std::string gbk = folder.root().u8string() + "\\\xBB\xF5\xC0\xC9.txt";
    EXPECT_FALSE(saveScores(gbk, tenRecords()));
    EXPECT_EQ(folder.listing(), u8"货郎测试;");
}
