#include "platform/AppFiles.h"

#include "files/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    const std::string dataFolder = files::userDataFolder();
    // Without a home there is nowhere to keep the list: an empty path, which cannot be saved.
    if (dataFolder.empty())
        return QString();
    return fromSystemPath(dataFolder) + QStringLiteral("/dushihuolang/score.txt");
}

QString savedGamePath(const QString& programDir)
{
    const QString list = scoreFilePath(programDir);
    return list.isEmpty() ? list : QFileInfo(list).dir().filePath(QStringLiteral("savedgame.txt"));
}

std::string systemPath(const QString& path)
{
#ifdef Q_OS_WIN
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

QString fromSystemPath(const std::string& path)
{
#ifdef Q_OS_WIN
    return QString::fromStdString(path);
#else
    return QFile::decodeName(path.c_str());
#endif
}

QString applicationTitle()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace platform
