#pragma once
// The top-ten list as the screens use it: the one table of the process, kept in "score.txt"
// beside the executable. Tests point the file elsewhere and watch the process end instead.

#include "score/ScoreTable.h"

#include <QString>
#include <functional>

class QWidget;

namespace scorefile {

// "score.txt" beside the executable, unless redirected.
QString path();
// Puts the list in another file; an empty path goes back to the file beside the executable.
void redirect(const QString& path);

// Ends the process after a failed save; the default is std::exit.
using ProcessEnd = std::function<void(int exitCode)>;
void setProcessEnd(ProcessEnd end);

score::ScoreTable& table();

// Reads the file into the table; a file that cannot be read gives the default list.
void load();

// Writes the table to the file. When the file cannot be written, the player is told and the
// process ends with exit code -1. Returns false only if the process end came back (tests).
bool saveOrEndProcess(QWidget* owner = nullptr);

// The exact text of the failure box.
QString writeFailureText();

} // namespace scorefile
