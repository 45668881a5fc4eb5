#include "score/ScoreFile.h"

#include "score/SavingFile.h"
#include "score/ScoreFileReader.h"
#include "score/ScoreName.h"

namespace score {

void loadScores(const std::string& path, ScoreTable& table)
{
    std::string bytes;
    if (!readFileStart(path, kScoreFileReadLimit, bytes)) {
        table = defaultScoreTable();
        return;
    }
    parseScores(bytes, table);
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
    return saveFile(path, formatScores(table));
}

} // namespace score
