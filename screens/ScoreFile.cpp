#include "screens/ScoreFile.h"

#include "platform/AppFiles.h"
#include "platform/MessageBox.h"
#include "score/ScoreFile.h"

#include <QFile>
#include <cstdlib>

namespace scorefile {

namespace {

QString& redirectedPath()
{
    static QString path;
    return path;
}

ProcessEnd& processEnd()
{
    static ProcessEnd end;
    return end;
}

std::string nativePath()
{
    return QFile::encodeName(path()).toStdString();
}

constexpr int kWriteFailureExitCode = -1;

} // namespace

QString path()
{
    const QString& redirected = redirectedPath();
    return redirected.isEmpty() ? platform::fileBesideExecutable(QStringLiteral("score.txt")) : redirected;
}

void redirect(const QString& path)
{
    redirectedPath() = path;
}

void setProcessEnd(ProcessEnd end)
{
    processEnd() = std::move(end);
}

score::ScoreTable& table()
{
    return score::processScoreTable();
}

void load()
{
    score::loadScores(nativePath(), table());
}

QString writeFailureText()
{
    return QStringLiteral("Error: score file can not be opened.");
}

bool saveOrEndProcess(QWidget* owner)
{
    if (score::saveScores(nativePath(), table()))
        return true;
    platform::messageBox(owner, writeFailureText(), platform::MessageIcon::Error);
    if (processEnd())
        processEnd()(kWriteFailureExitCode);
    else
        std::exit(kWriteFailureExitCode);
    return false;
}

} // namespace scorefile
