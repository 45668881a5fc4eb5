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
    // The program lies in bin/ or games/, one level under the prefix; a data folder given as
    // an absolute path at configure time is taken as it is.
    const QString dataDir = QDir(programDir + "/..").filePath(QStringLiteral(GAME_DATA_DIR));
    return QDir::cleanPath(QDir(dataDir).filePath(kTipsFile));
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
