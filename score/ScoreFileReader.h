#pragma once
// Turns the bytes of a score file into a table, fed in pieces of any size.
//
// A file the game wrote (30 lines of at most 21 bytes, CR LF endings) reads back exactly.
// Files from elsewhere read like this:
// - A line ends at its LF, however long it is; a line never spills into the next one.
// - A name is the bytes before the line's first CR, LF or NUL, shortened to 19 bytes at a
//   GBK character boundary, so a bare-LF file gives the same names as a CR LF one.
// - A number line reads as ScoreNumberReader says; NUL or any other non-digit ends it.
// - Records whose lines are missing (a short file) are blank: empty name, money 0, health 0,
//   so every result reaches them. Nothing from an earlier load survives.
// - A file with no bytes at all holds no list and gives the default list, as a missing one.
// - Bytes after the thirtieth line are ignored.
// Memory stays bounded whatever the input.

#include "score/ScoreNumber.h"
#include "score/ScoreTable.h"

#include <string>
#include <string_view>

namespace score {

class ScoreFileReader {
public:
    void feed(std::string_view bytes);

    // False once the thirtieth line has ended: the rest of the file does not matter.
    bool wantsMore() const;

    // The table read so far, an unfinished last line included.
    ScoreTable result() const;

private:
    static constexpr int kLines = 3 * int(kScoreRecords);

    void take(char byte);
    void endLine(ScoreTable& into) const;

    ScoreTable records_{};
    int lineIndex_ = 0;
    bool sawAnyByte_ = false;
    bool nameEnded_ = false;
    bool lineHasBytes_ = false;
    std::string nameBytes_; // at most kScoreNameBytes
    ScoreNumberReader number_;
};

} // namespace score
