#include "score/ScoreFileReader.h"

#include "score/ScoreName.h"

namespace score {

void ScoreFileReader::feed(std::string_view bytes)
{
    for (char byte : bytes) {
        if (!wantsMore())
            return;
        take(byte);
    }
}

bool ScoreFileReader::wantsMore() const { return lineIndex_ < kLines; }

void ScoreFileReader::take(char byte)
{
    sawAnyByte_ = true;
    if (byte == '\n') {
        endLine(records_);
        ++lineIndex_;
        nameBytes_.clear();
        nameEnded_ = false;
        lineHasBytes_ = false;
        number_ = ScoreNumberReader();
        return;
    }
    lineHasBytes_ = true;
    number_.take(byte);
    if (byte == '\r' || byte == '\0')
        nameEnded_ = true;
    // 19 bytes are enough to decide where a name is shortened.
    if (!nameEnded_ && nameBytes_.size() < kScoreNameBytes)
        nameBytes_.push_back(byte);
}

void ScoreFileReader::endLine(ScoreTable& into) const
{
    ScoreEntry& entry = into[std::size_t(lineIndex_ / 3)];
    switch (lineIndex_ % 3) {
    case 0:
        entry.name = storableName(nameBytes_);
        break;
    case 1:
        entry.money = number_.value();
        break;
    default:
        entry.health = number_.value();
        break;
    }
}

ScoreTable ScoreFileReader::result() const
{
    if (!sawAnyByte_)
        return defaultScoreTable();
    ScoreTable table = records_;
    if (lineHasBytes_ && wantsMore())
        endLine(table);
    return table;
}

} // namespace score
