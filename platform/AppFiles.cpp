#include "platform/AppFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

constexpr const char* kTipsFile = "tips.txt";

bool keepsFilesBesideItself(const QString& programDir)
{
    return QFileInfo::exists(QDir(programDir).filePath(kTipsFile));
}

} // namespace

QString tipsFilePath(const QString& programDir)
{
    if (keepsFilesBesideItself(programDir))
        return QDir(programDir).filePath(kTipsFile);
    // The program lies in bin/ or games/, one level under the prefix.
    return QDir::cleanPath(programDir + "/../" GAME_DATA_DIR "/" + kTipsFile);
}

QString scoreFilePath(const QString& programDir)
{
    if (keepsFilesBesideItself(programDir))
        return QDir(programDir).filePath(QStringLiteral("score.txt"));
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/dushihuolang/score.txt");
}

QString applicationTitle()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace platform
