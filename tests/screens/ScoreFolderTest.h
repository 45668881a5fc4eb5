#pragma once
// A test whose top-ten list lives in a folder of its own, and which sees the process end that
// an unwritable list causes as a recorded exit code instead of suffering it.

#include "platform/ReportList.h"
#include "screens/ScoreKeeper.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

class ScoreFolderTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString scoreFile() const { return folder.filePath("score.txt"); }

    QTemporaryDir folder;
    std::vector<int> exitCodes;
    screens::ScoreKeeper scores{scoreFile(), [this](int code) { exitCodes.push_back(code); }};
};

// One row of a list, column by column.
inline QStringList rowTexts(platform::ReportList* rows, int row)
{
    QStringList texts;
    for (int column = 0; column < rows->columnCount(); ++column)
        texts << rows->cellText(row, column);
    return texts;
}
