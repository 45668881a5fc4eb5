#include "score/ScoreFile.h"

#include "files/PlainFile.h"
#include "files/SaveFile.h"
#include "score/ScoreFileReader.h"
#include "score/ScoreName.h"

#include <optional>

namespace score {

void loadScores(const std::string& path, ScoreTable& table)
{
    bool cutOff = false;
    std::optional<std::string> bytes = files::readPlainFile(path, kScoreFileReadLimit, &cutOff);
    if (!bytes) {
        table = defaultScoreTable();
        return;
    }
    // A line the bound cuts counts as absent.
    if (cutOff)
        bytes->resize(bytes->rfind('\n') + 1); // none: npos + 1 is 0
    parseScores(*bytes, table);
}

void parseScores(std::string_view bytes, ScoreTable& table)
{
    ScoreFileReader reader;
    reader.feed(bytes);
    table = reader.result();
}

std::string formatScores(const ScoreTable& table)
{
    std::string bytes;
    for (const ScoreEntry& entry : table) {
        // A record filled behind the table's back still gives one line per field.
        bytes += storableName(entry.name);
        bytes += "\r\n";
        bytes += std::to_string(entry.money);
        bytes += "\r\n";
        bytes += std::to_string(entry.health);
        bytes += "\r\n";
    }
    return bytes;
}

bool saveScores(const std::string& path, const ScoreTable& table)
{
    return files::saveFile(path, formatScores(table));
}

} // namespace score
