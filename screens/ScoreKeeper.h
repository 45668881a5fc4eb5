#pragma once
// The top-ten list of this run and the file it is kept in. The application owns the one
// keeper; a save that fails tells the player and ends the process.
//
// Every opening of the list reads the file, perhaps adds a result and writes it back. Other
// copies of the game may do the same at the same moment, so load() takes the file's lock and
// saveOrEndProcess() gives it back: no copy reads between another's read and its write, and
// every result that ranks survives.

#include "files/FileLock.h"
#include "score/ScoreTable.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

class QWidget;

namespace screens {

class ScoreKeeper {
public:
    // Ends the process with the exit code; tests watch it instead.
    using ProcessEnd = std::function<void(int exitCode)>;

    explicit ScoreKeeper(QString path, ProcessEnd processEnd = defaultProcessEnd);

    const score::ScoreTable& table() const { return table_; }

    // Takes the lock and reads the file; a file that cannot be read gives the default list.
    void load();
    // The index the result was placed at, or nothing when it reaches no record.
    std::optional<int> insert(std::string_view gbkName, std::int32_t money, std::int32_t health);
    // Writes the list and gives the lock back. When the file cannot be written, the player is
    // told and the process ends with exit code -1; false only if that end came back.
    bool saveOrEndProcess(QWidget* owner = nullptr);

private:
    static void defaultProcessEnd(int exitCode);

    QString path_;
    ProcessEnd processEnd_;
    score::ScoreTable table_{};
    std::optional<files::FileLock> lock_;
};

} // namespace screens
