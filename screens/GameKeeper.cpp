#include "screens/GameKeeper.h"

#include "files/PlainFile.h"
#include "files/SaveFile.h"
#include "platform/AppFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace screens {

GameKeeper::GameKeeper(QString path)
    : path_(std::move(path))
{
}

bool GameKeeper::claim()
{
    if (!claim_ || !claim_->held()) {
        QDir().mkpath(QFileInfo(path_).absolutePath());
        claim_.emplace(platform::systemPath(path_));
    }
    return claim_->held();
}

std::optional<rules::SavedGame> GameKeeper::takeUnfinished(bool* setAside)
{
    if (setAside)
        *setAside = false;
    const QFileInfo file(path_);
    if (!file.exists() && !file.isSymLink())
        return std::nullopt;
    if (!claim())
        return std::nullopt;
    bool cutOff = false;
    const std::optional<std::string> bytes =
        files::readPlainFile(platform::systemPath(path_), rules::kSavedGameReadLimit, &cutOff);
    std::optional<rules::SavedGame> game = bytes && !cutOff ? rules::parseSavedGame(*bytes) : std::nullopt;
    if (game)
        return game;
    // Renamed, never followed or emptied: a link stays a link, a folder a folder.
    QString aside = path_ + QStringLiteral(".bad");
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = path_ + QStringLiteral(".bad") + QString::number(n);
    if (setAside)
        *setAside = QFile::rename(path_, aside);
    return std::nullopt;
}

void GameKeeper::keep(const rules::SavedGame& game)
{
    if (claim())
        (void)files::saveFile(platform::systemPath(path_), rules::formatSavedGame(game));
}

void GameKeeper::discard()
{
    if (claim())
        QFile::remove(path_);
    claim_.reset();
}

} // namespace screens
