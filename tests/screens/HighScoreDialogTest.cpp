#include "ModalScript.h"
#include "ScoreFolderTest.h"
#include "platform/AppFiles.h"
#include "platform/Gbk.h"
#include "platform/ReportList.h"
#include "score/ScoreFile.h"
#include "screens/HighScoreDialog.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;
using namespace screens;

namespace {


QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class HighScoreDialogTest : public ScoreFolderTest {
protected:
    // Prepares the list as the start screen does and shows it: load, offer a result, save, then
    // the dialog with the placed row (or the first) selected. `look` sees the open dialog.
    void show(const std::function<std::optional<int>(ScoreKeeper&)>& offer,
              const std::function<void(HighScoreDialog&)>& look)
    {
        ModalScript script;
        script.then([&](QWidget* d) {
            look(*static_cast<HighScoreDialog*>(d));
            pressKey(d, Qt::Key_Return);
        });
        script.run([&] {
            scores.load();
            const int row = offer(scores).value_or(0);
            if (scores.saveOrEndProcess())
                results.push_back(HighScoreDialog(scores.table(), row).runModal());
        });
        EXPECT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    }

    static std::optional<int> noResult(ScoreKeeper&) { return std::nullopt; }

    std::vector<int> results;
};

} // namespace

TEST_F(HighScoreDialogTest, WithNoFileShowsTheDefaultListAndCreatesTheFile)
{
    ASSERT_FALSE(QFile::exists(scoreFile()));
    bool fileExistedWhenShown = false;
    show(noResult,
         [&](HighScoreDialog& dialog) {
             fileExistedWhenShown = QFile::exists(scoreFile());
             const DialogUnits& u = dialog.units();
             EXPECT_EQ(dialog.windowTitle(), QStringLiteral("高手榜"));
             EXPECT_EQ(dialog.size(), QSize(u.toPixelsX(214), u.toPixelsY(176)));
             EXPECT_EQ(dialog.button(IDOK)->text(), QString("OK"));
             EXPECT_EQ(dialog.list(HighScoreDialog::kList)->geometry(), u.toPixels(10, 15, 195, 135));
             bool heading = false;
             for (QLabel* label : dialog.findChildren<QLabel*>())
                 heading |= label->text() == QStringLiteral("都市货郎高手前10名");
             EXPECT_TRUE(heading);

             ReportList* rows = dialog.list(HighScoreDialog::kList);
             ASSERT_EQ(rows->columnCount(), 4);
             const QStringList titles{QStringLiteral("名次"), QStringLiteral("姓名"), QStringLiteral("金钱"), QStringLiteral("健康程度")};
             const int widths[] = {68, 100, 120, 80};
             for (int c = 0; c < 4; ++c) {
                 EXPECT_EQ(rows->headerItem()->text(c), titles[c]);
                 EXPECT_EQ(rows->columnWidth(c), u.scalePixelsX(widths[c]));
             }
             ASSERT_EQ(rows->rowCount(), 10);
             EXPECT_EQ(rowTexts(rows, 0), (QStringList{QStringLiteral("第一名"), "zuv", "12500720", "98"}));
             EXPECT_EQ(rowTexts(rows, 3), (QStringList{QStringLiteral("第四名"), "Kent Mossy", "239403", "97"}));
             EXPECT_EQ(rowTexts(rows, 6), (QStringList{QStringLiteral("第七名"), "tao ", "2300", "77"}));
             EXPECT_EQ(rowTexts(rows, 9), (QStringList{QStringLiteral("第十名"), "tao", "3", "100"}));
             EXPECT_EQ(rows->selectedRow(), 0);
             EXPECT_EQ(rows->selectionBehavior(), QAbstractItemView::SelectRows);
         });
    EXPECT_TRUE(fileExistedWhenShown) << "the list is saved before it is shown";
    EXPECT_EQ(fileBytes(scoreFile()).toStdString(), score::formatScores(score::defaultScoreTable()));
    EXPECT_TRUE(exitCodes.empty());
    EXPECT_EQ(results, std::vector<int>{IDOK});
}

TEST_F(HighScoreDialogTest, SelectsTheRowWhereTheResultWasPlaced)
{
    const std::string name = std::string("小vu");
    struct Case {
        std::int32_t money;
        int expectedRow;
        const char* why;
    };
    const Case cases[] = {
        {3, 9, "ties the tenth and goes before it"},
        {2, 0, "reaches no record: not placed, the first row is selected"},
        {12500720, 0, "ties the best"},
        {500448, 2, "beats the third"},
    };
    for (const Case& c : cases) {
        QFile::remove(scoreFile());
        int highlight = -1;
        show([&](ScoreKeeper& keeper) {
                 const std::optional<int> placed = keeper.insert(name, c.money, -7);
                 highlight = placed.value_or(0);
                 return placed;
             },
             [&](HighScoreDialog& dialog) {
                 ReportList* rows = dialog.list(HighScoreDialog::kList);
                 ASSERT_EQ(rows->rowCount(), 10);
                 EXPECT_EQ(rows->selectedRow(), c.expectedRow) << c.why;
                 if (c.money != 2)
                     EXPECT_EQ(rowTexts(rows, c.expectedRow).mid(1),
                               (QStringList{QStringLiteral("小vu"), QString::number(c.money), "-7"}))
                         << c.why;
                 else
                     EXPECT_EQ(rows->cellText(9, 2), QString("3")) << c.why;
             });
        EXPECT_EQ(highlight, c.expectedRow) << c.why;

        score::ScoreTable expected = score::defaultScoreTable();
        if (c.money != 2) {
            std::move_backward(expected.begin() + c.expectedRow, expected.end() - 1, expected.end());
            expected[size_t(c.expectedRow)] = {name, c.money, -7};
        }
        EXPECT_EQ(fileBytes(scoreFile()).toStdString(), score::formatScores(expected)) << c.why;
    }
}

TEST_F(HighScoreDialogTest, ShowsAStoredListInItsOwnOrder)
{
    score::ScoreTable stored = score::defaultScoreTable();
    stored[0] = {std::string("王老板"), 5, 100};
    stored[1] = {"", 999999, 0};
    ASSERT_TRUE(score::saveScores(QFile::encodeName(scoreFile()).toStdString(), stored));
    show([](ScoreKeeper& keeper) { return keeper.insert("late", 10, 1); },
         [&](HighScoreDialog& dialog) {
             ReportList* rows = dialog.list(HighScoreDialog::kList);
             EXPECT_EQ(rowTexts(rows, 0), (QStringList{QStringLiteral("第一名"), "late", "10", "1"}));
             EXPECT_EQ(rowTexts(rows, 1), (QStringList{QStringLiteral("第二名"), QStringLiteral("王老板"), "5", "100"}));
             EXPECT_EQ(rowTexts(rows, 2), (QStringList{QStringLiteral("第三名"), "", "999999", "0"}));
             EXPECT_EQ(rows->selectedRow(), 0);
         });
}

TEST_F(HighScoreDialogTest, AFileThatCannotBeWrittenEndsTheProcessBeforeTheListOpens)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("score.txt"));
    QStringList seen;
    ModalScript script;
    script.then([&](QWidget* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        ASSERT_NE(box, nullptr) << "only the error box may show";
        seen << box->windowTitle() << box->text();
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_TRUE(exitCodes.empty()) << "the process ends only once the box is closed";
        clickButton(d, 0);
    });
    script.run([&] {
        scores.load();
        scores.insert("x", 100, 100);
        if (scores.saveOrEndProcess())
            results.push_back(HighScoreDialog(scores.table()).runModal());
    });
    EXPECT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(seen, (QStringList{applicationTitle(), "Error: score file can not be opened."}));
    EXPECT_EQ(exitCodes, std::vector<int>{-1});
    EXPECT_TRUE(results.empty()) << "the list never opens";
}

TEST_F(HighScoreDialogTest, AListWhoseFolderIsNotThereYetMakesItWhenSaved)
{
    const QString nested = folder.filePath("data/dushihuolang/score.txt");
    ScoreKeeper keeper(nested, [this](int code) { exitCodes.push_back(code); });
    ModalScript quiet;
    quiet.run([&] {
        keeper.load();
        EXPECT_TRUE(keeper.saveOrEndProcess());
    });
    EXPECT_TRUE(quiet.finished()) << quiet.unexpected().join('\n').toStdString();
    EXPECT_EQ(fileBytes(nested).toStdString(), score::formatScores(score::defaultScoreTable()));
    EXPECT_TRUE(exitCodes.empty());

    // A plain file where the folder should be: the save fails as any unwritable list does.
    QFile(folder.filePath("blocked")).open(QIODevice::WriteOnly);
    ScoreKeeper blocked(folder.filePath("blocked/dushihuolang/score.txt"), [this](int code) { exitCodes.push_back(code); });
    QStringList seen;
    ModalScript script;
    script.then([&](QWidget* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        ASSERT_NE(box, nullptr);
        seen << box->text();
        clickButton(d, 0);
    });
    script.run([&] {
        blocked.load();
        EXPECT_FALSE(blocked.saveOrEndProcess());
    });
    EXPECT_TRUE(script.finished()) << script.unexpected().join('\n').toStdString();
    EXPECT_EQ(seen, QStringList{"Error: score file can not be opened."});
    EXPECT_EQ(exitCodes, std::vector<int>{-1});
}
