#include "screens/ScoreKeeper.h"

#include "platform/MessageBox.h"
#include "score/ScoreFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

namespace {

constexpr int kWriteFailureExitCode = -1;
constexpr const char* kWriteFailureText = "Error: score file can not be opened.";

} // namespace

ScoreKeeper::ScoreKeeper(QString path, ProcessEnd processEnd)
    : path_(std::move(path))
    , processEnd_(std::move(processEnd))
{
}

void ScoreKeeper::load()
{
    score::loadScores(QFile::encodeName(path_).toStdString(), table_);
}

std::optional<int> ScoreKeeper::insert(std::string_view gbkName, std::int32_t money, std::int32_t health)
{
    return score::insertScore(table_, gbkName, money, health);
}

bool ScoreKeeper::saveOrEndProcess(QWidget* owner)
{
    // An installed copy's data folder may not be there yet; a folder that cannot be made
    // fails the save below.
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (score::saveScores(QFile::encodeName(path_).toStdString(), table_))
        return true;
    platform::messageBox(owner, QString::fromLatin1(kWriteFailureText), platform::MessageIcon::Error);
    processEnd_(kWriteFailureExitCode);
    return false;
}

void ScoreKeeper::defaultProcessEnd(int exitCode)
{
    std::exit(exitCode);
}
