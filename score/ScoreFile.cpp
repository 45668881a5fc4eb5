#include "score/ScoreFile.h"

#include "score/ReplacingFile.h"
#include "score/ScoreFileReader.h"
#include "score/ScoreName.h"

#include <array>
#include <cstdio>
#include <memory>

namespace score {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

void loadScores(const std::string& path, ScoreTable& table)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        table = defaultScoreTable();
        return;
    }
    ScoreFileReader reader;
    std::array<char, 4096> chunk;
    while (reader.wantsMore()) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
        reader.feed(std::string_view(chunk.data(), got));
        if (got < chunk.size())
            break;
    }
    // A file that cannot be read (a directory, a failing disk) is treated as no file.
    if (std::ferror(file.get())) {
        table = defaultScoreTable();
        return;
    }
    table = reader.result();
}

void loadScores(const std::string& path) { loadScores(path, processScoreTable()); }

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
    ReplacingFile file(path);
    return file.write(formatScores(table)) && file.commit();
}

bool saveScores(const std::string& path) { return saveScores(path, processScoreTable()); }

} // namespace score
