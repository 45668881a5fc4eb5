// Any bytes as a score file. Checks: the table always has storable names; the file written
// for it reads back as the same table; reading in two pieces equals reading at once.

#include "fuzz/FuzzCheck.h"
#include "score/ScoreFile.h"
#include "score/ScoreFileReader.h"
#include "score/ScoreName.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    score::ScoreTable table;
    score::parseScores(bytes, table);
    for (const score::ScoreEntry& entry : table)
        FUZZ_CHECK(entry.name.size() <= score::kScoreNameBytes && score::storableName(entry.name) == entry.name);

    score::ScoreTable again;
    score::parseScores(score::formatScores(table), again);
    FUZZ_CHECK(again == table);

    // The file is read in chunks of whatever size the disk gives; where it is cut must not matter.
    const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    score::ScoreFileReader reader;
    reader.feed(bytes.substr(0, cut));
    if (reader.wantsMore())
        reader.feed(bytes.substr(cut));
    FUZZ_CHECK(reader.result() == table);
    return 0;
}
