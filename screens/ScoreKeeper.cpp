#include "screens/ScoreKeeper.h"

#include "platform/AppFiles.h"
#include "platform/MessageBox.h"
#include "score/ScoreFile.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>

namespace screens {

constexpr int kWriteFailureExitCode = -1;
constexpr const char* kWriteFailureText = "Error: score file can not be opened.";

ScoreKeeper::ScoreKeeper(QString path, ProcessEnd processEnd)
    : path_(std::move(path))
    , processEnd_(std::move(processEnd))
{
}

void ScoreKeeper::load()
{
    // An installed copy's data folder may not be there yet, and the lock is held on it. A
    // folder that cannot be made fails the save.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const std::string path = platform::systemPath(path_);
    lock_.emplace(path);
    score::loadScores(path, table_);
}

std::optional<int> ScoreKeeper::insert(std::string_view gbkName, std::int32_t money, std::int32_t health)
{
    return score::insertScore(table_, gbkName, money, health);
}

bool ScoreKeeper::saveOrEndProcess(QWidget* owner)
{
    const bool saved = score::saveScores(platform::systemPath(path_), table_);
    // Before the message box: the player may take a while to read it.
    lock_.reset();
    if (saved)
        return true;
    platform::messageBox(owner, QString::fromLatin1(kWriteFailureText), platform::MessageIcon::Error);
    processEnd_(kWriteFailureExitCode);
    return false;
}

void ScoreKeeper::defaultProcessEnd(int exitCode)
{
    std::exit(exitCode);
}

} // namespace screens
