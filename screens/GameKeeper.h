#pragma once
// The game in progress on disk, so that nothing of it is lost when the process dies: kept after
// every step, claimed by the copy that plays it (a second copy neither offers nor writes it),
// marked ended before its result goes to the list and gone after.

#include "files/FileClaim.h"
#include "rules/SavedGame.h"

#include <QString>
#include <optional>

namespace screens {

class GameKeeper {
public:
    explicit GameKeeper(QString path);

    // The unfinished game on disk, claimed for this copy; nothing when there is none, another
    // copy plays it, or the file cannot be read. Such a file is set aside beside itself
    // ("<name>.bad", then ".bad2" ...), so nothing is destroyed, and `setAside` says so.
    std::optional<rules::SavedGame> takeUnfinished(bool* setAside = nullptr);
    // Claims the file for a new game; false when another copy is playing one.
    bool claim();
    // Writes the game whole or not at all. A game that cannot be kept goes on all the same.
    void keep(const rules::SavedGame& game);
    // The game is over and counted: the file goes, and the claim with it.
    void discard();

private:
    QString path_;
    std::optional<files::FileClaim> claim_;
};

} // namespace screens
