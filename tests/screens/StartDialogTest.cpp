#include "GamePlayer.h"
#include "ModalScript.h"
#include "ScoreFolderTest.h"
#include "app/artwork/Artwork.h"
#include "platform/Gbk.h"
#include "platform/ReportList.h"
#include "rules/Random.h"
#include "score/ScoreFile.h"
#include "screens/AboutDialog.h"
#include "screens/GameDialog.h"
#include "screens/GameKeeper.h"
#include "screens/HighScoreDialog.h"
#include "screens/MessageDialog.h"
#include "screens/NewsDialog.h"
#include "screens/ResumeDialog.h"
#include "widgets/SegmentDisplay.h"
#include "screens/StartDialog.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#include <gtest/gtest.h>

using platform::IDCANCEL;
using platform::fromGbk;
using platform::toGbk;
using namespace screens;

namespace {

// A seed whose forty days the trader below ends rich.
constexpr std::uint32_t kWinningSeed = 20240607;
constexpr std::uint32_t kQuietSeed = 2;


std::string joined(const QStringList& texts)
{
    return texts.join(QStringLiteral(" | ")).toStdString();
}

// Types a name into the start screen's box as a player with a Chinese input method does: the
// method commits the composed text into the box, replacing what was there.
void typeName(QWidget* dialog, const QString& name)
{
    QLineEdit* box = qobject_cast<StartDialog*>(dialog)->edit(StartDialog::kNameBox);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QInputMethodEvent commit;
    commit.setCommitString(name);
    QApplication::sendEvent(box, &commit);
}

StartDialog* asStartScreen(QWidget* dialog)
{
    return qobject_cast<StartDialog*>(dialog);
}

// Plays the whole screen flow as a person would. Whatever comes to the top is answered by its
// kind: the start screen and each new game window by the next action queued for them, news
// and diary messages and message boxes are read and closed with Enter, the list and the about
// box are looked at and closed, and every other dialog (those a game opens) gets the next
// queued answer. Nothing unplanned can hang a test: it is recorded and cancelled.
class ScreenFlow {
public:
    using Step = ModalScript::Step;
    using GameAction = std::function<void(GameDialog&)>;
    using ListLook = std::function<void(HighScoreDialog&)>;

    explicit ScreenFlow(ScoreKeeper& scores, GameKeeper* keeper = nullptr) : scores_(scores), keeper_(keeper) {}

    ScreenFlow& onStartScreen(Step step)
    {
        startScreenSteps_.push_back(std::move(step));
        return *this;
    }
    ScreenFlow& inGame(GameAction action)
    {
        games_.push_back(std::move(action));
        return *this;
    }
    ScreenFlow& onList(ListLook look)
    {
        lists_.push_back(std::move(look));
        return *this;
    }
    ScreenFlow& answer(Step step)
    {
        answers_.push_back(std::move(step));
        return *this;
    }

    // Opens the start screen with `game` as its game and plays the flow until it closes.
    int run(StartDialog::GameRunner game = {})
    {
        if (!game)
            game = [this](const GameStart& start) { return StartDialog::playGameInWindow(random, start); };
        int result = -1;
        ModalScript script;
        script.otherwise([this](QWidget* dialog) { respond(dialog); });
        script.run([&] {
            StartDialog screen(scores_, std::move(game), keeper_);
            result = screen.runModal();
            finalWealth = screen.finalWealth();
        });
        unexpected << script.unexpected();
        if (!startScreenSteps_.empty() || !games_.empty() || !lists_.empty() || !answers_.empty())
            unexpected << QStringLiteral("the flow ended with actions left");
        return result;
    }

    std::vector<std::string> news;  // GBK, as shown
    std::vector<std::string> diary; // GBK, as shown
    std::vector<std::string> resumeQuestions; // GBK, as shown
    QStringList boxes;
    QStringList aboutTitles;
    QStringList unexpected;
    int gamesOpened = 0;
    int listsShown = 0;
    std::int32_t finalWealth = 0;
    // The games' dice, one sequence for the whole flow as in the program.
    rules::GameRandom random;

private:
    void respond(QWidget* dialog)
    {
        if (auto* screen = qobject_cast<StartDialog*>(dialog)) {
            runNext(startScreenSteps_, screen);
            return;
        }
        if (auto* window = qobject_cast<GameDialog*>(dialog)) {
            // It comes back on top after every dialog it opened.
            if (window == currentGame_)
                return;
            currentGame_ = window;
            ++gamesOpened;
            if (games_.empty()) {
                unexpected << QStringLiteral("a game no action was queued for");
            } else {
                GameAction action = std::move(games_.front());
                games_.pop_front();
                action(*window);
            }
            if (window->isVisible())
                pressKey(window, Qt::Key_Escape);
            return;
        }
        if (qobject_cast<ResumeDialog*>(dialog)) {
            resumeQuestions.push_back(gbkTextOf(dialog));
            runNext(answers_, dialog);
            return;
        }
        if (qobject_cast<NewsDialog*>(dialog) || qobject_cast<MessageDialog*>(dialog)) {
            (qobject_cast<NewsDialog*>(dialog) ? news : diary).push_back(gbkTextOf(dialog));
            pressKey(dialog, Qt::Key_Return);
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            boxes << box->text();
            pressKey(dialog, Qt::Key_Return);
            return;
        }
        if (auto* list = qobject_cast<HighScoreDialog*>(dialog)) {
            ++listsShown;
            if (!lists_.empty()) {
                ListLook look = std::move(lists_.front());
                lists_.pop_front();
                look(*list);
            }
            pressKey(dialog, Qt::Key_Return);
            return;
        }
        if (qobject_cast<AboutDialog*>(dialog)) {
            aboutTitles << windowTitleOf(dialog);
            pressKey(dialog, Qt::Key_Return);
            return;
        }
        runNext(answers_, dialog);
    }

    void runNext(std::deque<Step>& steps, QWidget* dialog)
    {
        if (steps.empty()) {
            unexpected << windowTitleOf(dialog) + QStringLiteral(": ") + textOf(dialog);
            pressKey(dialog, Qt::Key_Escape);
            return;
        }
        Step step = std::move(steps.front());
        steps.pop_front();
        step(dialog);
    }

    ScoreKeeper& scores_;
    GameKeeper* keeper_;
    std::deque<Step> startScreenSteps_;
    std::deque<GameAction> games_;
    std::deque<ListLook> lists_;
    std::deque<Step> answers_;
    QPointer<GameDialog> currentGame_;
};

class StartDialogTest : public ScoreFolderTest {
protected:
    void SetUp() override
    {
        app::installGameArtwork();
        ScoreFolderTest::SetUp();
    }
    void TearDown() override
    {
        ScoreFolderTest::TearDown();
        EXPECT_TRUE(flow.unexpected.isEmpty()) << joined(flow.unexpected);
    }

    static ModalScript::Step press(Qt::Key key)
    {
        return [key](QWidget* dialog) { pressKey(dialog, key); };
    }
    static ModalScript::Step typeNameAndStart(const char* name)
    {
        return [name](QWidget* dialog) {
            typeName(dialog, fromGbk(name));
            pressKey(dialog, Qt::Key_Return);
        };
    }

    static std::string welcome(const char* name)
    {
        return std::string("雄心勃勃的") + std::string(name) + std::string("来到了北京!发财是唯一的目标!");
    }
    static std::string sentHome(const char* name)
    {
        return std::string("《北京游戏报》报道: 玩家“") + std::string(name) + std::string("”在北京没挣着钱，被遣送回家。");
    }

    ScreenFlow flow{scores};
};

QStringList labelTexts(QWidget* dialog)
{
    QStringList texts;
    for (QLabel* label : dialog->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        texts << label->text();
    return texts;
}

} // namespace

TEST_F(StartDialogTest, OpensWithTheStoryAndTheNameSelectedInItsFocusedBox)
{
    flow.onStartScreen([](QWidget* dialog) {
        StartDialog* screen = asStartScreen(dialog);
        EXPECT_EQ(screen->windowTitle(), QStringLiteral("都市货郎记"));
        EXPECT_FALSE(screen->windowIcon().isNull());
        QLineEdit* nameBox = screen->edit(StartDialog::kNameBox);
        ASSERT_NE(nameBox, nullptr);
        EXPECT_EQ(toGbk(nameBox->text()), std::string("小vu"));
        EXPECT_EQ(screen->focusWidget(), nameBox);
        EXPECT_EQ(nameBox->selectedText(), nameBox->text()) << "typing replaces the offered name";

        EXPECT_TRUE(screen->button(StartDialog::kStartGame)->isDefault());
        EXPECT_EQ(screen->controlText(StartDialog::kStartGame), QStringLiteral("开始新游戏 >>"));
        EXPECT_EQ(screen->controlText(IDCANCEL), QStringLiteral("逃离北京"));
        EXPECT_EQ(screen->controlText(StartDialog::kShowAbout), QStringLiteral("关于本游戏"));
        EXPECT_EQ(screen->controlText(StartDialog::kShowScores), QStringLiteral("高分记录"));

        const QStringList story{
            QStringLiteral("您从家乡来到北京，举目无亲，仅剩现金2000元，同时还欠村长5400元高利贷。"),
            QStringLiteral("“自己动手，丰衣足食”。考虑再三，您决定在北京做生意，每天在地铁各站"),
            QStringLiteral("之间倒卖各种物品。您只能在北京停留40天，必须回故乡结婚。"),
            QStringLiteral("您的目标是在这40天内还掉迅速增长的债务，而且还要赚大钱，登上富人榜。"),
            QStringLiteral("但是发财并不容易，北京的小偷、流氓、坏人、工商局、卫生局的人都会找您"),
            QStringLiteral("麻烦。您必须与他们斗智斗勇。"),
            QStringLiteral("您应该在邮局给村长还钱。另外，身上现金太多是危险的，应该在银行存钱。"),
            QStringLiteral("输入您的大名："),
            QStringLiteral("您在海淀区租的房子最多只能放100个东西。"),
            QStringLiteral("故 事 简 介"),
            QStringLiteral("要  点"),
            QStringLiteral("正确策略：先倒卖便宜的积累资金，后倒卖贵的赚大钱。"),
        };
        EXPECT_EQ(labelTexts(screen), story);
        // Every text fits its rectangle in the game's font.
        for (QLabel* label : screen->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->text().toStdString();
        pressKey(screen, Qt::Key_Escape);
    });
    EXPECT_EQ(flow.run(), IDCANCEL);
    EXPECT_EQ(flow.gamesOpened, 0);
    EXPECT_FALSE(QFile::exists(scoreFile())) << "closing the start screen leaves no file behind";
}

TEST_F(StartDialogTest, TheAuthorsNameIsRefusedButTheSameNameAfterABlankPlays)
{
    flow.onStartScreen(typeNameAndStart("柏青崖"))
        .onStartScreen([](QWidget* dialog) {
            EXPECT_EQ(textOf(dialog, StartDialog::kNameBox), QStringLiteral("柏青崖"));
            typeName(dialog, QStringLiteral(" 柏青崖"));
            pressKey(dialog, Qt::Key_Return);
        })
        .inGame([](GameDialog&) {})
        .onStartScreen(press(Qt::Key_Escape));
    flow.run();
    EXPECT_EQ(flow.news, (std::vector<std::string>{std::string("本游戏的作者柏青崖不玩这个游戏。"), welcome(" 柏青崖"),
                                                   sentHome(" 柏青崖")}));
    EXPECT_EQ(flow.gamesOpened, 1);
}

TEST_F(StartDialogTest, AGameLeftAtOnceSendsThePlayerHomeAndWritesNoFile)
{
    flow.onStartScreen(press(Qt::Key_Return))
        .inGame([](GameDialog& window) {
            EXPECT_EQ(window.state().cash, 2000);
            EXPECT_EQ(window.state().debt, 5400);
        })
        .onStartScreen(press(Qt::Key_Escape));
    flow.run();
    EXPECT_EQ(flow.news, (std::vector<std::string>{welcome("小vu"), sentHome("小vu")}));
    EXPECT_EQ(flow.finalWealth, 2000 - 5400);
    EXPECT_EQ(flow.listsShown, 0);
    EXPECT_FALSE(QFile::exists(scoreFile()));
    EXPECT_TRUE(exitCodes.empty());
}

TEST_F(StartDialogTest, AWinningGameEntersTheListWithItsRowSelectedAndRewritesTheFile)
{
    // An old list on file, which the new result must join.
    score::ScoreTable old = score::defaultScoreTable();
    old[9] = {"last", 7, 50};
    ASSERT_TRUE(score::saveScores(QFile::encodeName(scoreFile()).toStdString(), old));

    rules::GameState closed;
    QStringList selectedRow;
    int highlight = -1;
    bool savedBeforeShown = false;
    flow.onStartScreen([this](QWidget* dialog) {
            typeName(dialog, QStringLiteral("货郎张三"));
            flow.random = rules::GameRandom(kWinningSeed);
            pressKey(dialog, Qt::Key_Return);
        })
        .inGame([&](GameDialog& window) {
            WindowTrader([&](ModalScript::Step step) { flow.answer(std::move(step)); }, window).playGame();
            closed = window.state();
        })
        .onList([&](HighScoreDialog& list) {
            score::ScoreTable onFile;
            score::loadScores(QFile::encodeName(scoreFile()).toStdString(), onFile);
            savedBeforeShown = onFile[4].money == 173934;
            platform::ReportList* rows = list.list(HighScoreDialog::kList);
            highlight = rows->selectedRow();
            if (rows->selectedRow() >= 0)
                selectedRow = rowTexts(rows, rows->selectedRow());
        })
        .onStartScreen(press(Qt::Key_Escape));
    flow.run();
    EXPECT_EQ(closed.daysLeft, 0) << "the game ran its forty days";
    ASSERT_FALSE(flow.diary.empty());
    EXPECT_EQ(flow.diary.back(), std::string("俺已经在北京40天了，该回去结婚去了。"));

    // The figures this seed and trader always reach.
    EXPECT_EQ(closed.cash, 33310);
    EXPECT_EQ(closed.savings, 140624);
    EXPECT_EQ(closed.debt, 0);
    EXPECT_EQ(closed.health, 85);
    EXPECT_EQ(flow.finalWealth, 173934);
    ASSERT_FALSE(flow.news.empty());
    EXPECT_EQ(flow.news.front(), welcome("货郎张三"));
    EXPECT_EQ(flow.listsShown, 1);
    EXPECT_TRUE(savedBeforeShown);
    EXPECT_EQ(highlight, 4);
    EXPECT_EQ(selectedRow, (QStringList{QStringLiteral("第五名"), QStringLiteral("货郎张三"), "173934", "85"}));

    score::ScoreTable onFile;
    score::loadScores(QFile::encodeName(scoreFile()).toStdString(), onFile);
    score::ScoreTable expected = old;
    for (int k = 9; k > 4; --k)
        expected[size_t(k)] = expected[size_t(k - 1)];
    expected[4] = {std::string("货郎张三"), 173934, 85};
    EXPECT_EQ(onFile, expected) << "the old tenth dropped out";
    EXPECT_TRUE(exitCodes.empty());
}

TEST_F(StartDialogTest, TheListFromTheStartScreenCreatesTheDefaultFile)
{
    QStringList firstRow;
    int rowCount = 0;
    int selected = -1;
    flow.onStartScreen([](QWidget* dialog) { clickButton(dialog, StartDialog::kShowScores); })
        .onList([&](HighScoreDialog& list) {
            platform::ReportList* rows = list.list(HighScoreDialog::kList);
            rowCount = rows->rowCount();
            selected = rows->selectedRow();
            firstRow = rowTexts(rows, 0);
        })
        .onStartScreen(press(Qt::Key_Escape));
    flow.run();
    EXPECT_EQ(flow.listsShown, 1);
    EXPECT_EQ(rowCount, 10);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(firstRow, (QStringList{QStringLiteral("第一名"), "zuv", "12500720", "98"}));

    QFile file(scoreFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes, QByteArray::fromStdString(score::formatScores(score::defaultScoreTable())));
    EXPECT_EQ(bytes.count("\r\n"), 30);
    EXPECT_TRUE(bytes.startsWith("zuv\r\n12500720\r\n98\r\nvo\r\n830050\r\n100\r\n"));
}

TEST_F(StartDialogTest, TwoGamesInOneRunTheSecondFreshWithTheNameKept)
{
    rules::GameState secondOpening;
    QString nameAfterward;
    flow.onStartScreen([this](QWidget* dialog) {
            // A first day without events, so that the good bought is still in the room.
            flow.random = rules::GameRandom(kQuietSeed);
            typeNameAndStart("阿福")(dialog);
        })
        .inGame([&](GameDialog& window) {
            // Buy one and ride a day, so that this game's state is plainly not a new one.
            clickRow(window.marketList(), 0);
            flow.answer(typeAndEnter(1053, 1));
            clickControl(window, GameDialog::kBuy);
            pressStation(window, 0);
            EXPECT_EQ(window.state().roomCount, 1);
            EXPECT_EQ(window.state().daysLeft, 39);
        })
        .onStartScreen([](QWidget* dialog) {
            EXPECT_EQ(textOf(dialog, StartDialog::kNameBox), QStringLiteral("阿福"));
            pressKey(dialog, Qt::Key_Return);
        })
        .inGame([&](GameDialog& window) {
            secondOpening = window.state();
            EXPECT_EQ(window.controlText(GameDialog::kDayCaption), QStringLiteral("都市货郎记"));
            EXPECT_EQ(window.roomList()->rowCount(), 0);
        })
        .onStartScreen([&](QWidget* dialog) {
            nameAfterward = textOf(dialog, StartDialog::kNameBox);
            pressKey(dialog, Qt::Key_Escape);
        });
    flow.run();
    EXPECT_EQ(flow.gamesOpened, 2);
    EXPECT_EQ(secondOpening.cash, 2000);
    EXPECT_EQ(secondOpening.debt, 5400);
    EXPECT_EQ(secondOpening.savings, 0);
    EXPECT_EQ(secondOpening.health, 100);
    EXPECT_EQ(secondOpening.daysLeft, 40);
    EXPECT_EQ(secondOpening.roomCount, 0);
    EXPECT_TRUE(secondOpening.holdings.empty());
    ASSERT_GE(flow.news.size(), 4u);
    EXPECT_EQ(flow.news.front(), welcome("阿福"));
    const auto secondWelcome = std::find(flow.news.begin() + 1, flow.news.end(), welcome("阿福"));
    ASSERT_NE(secondWelcome, flow.news.end());
    EXPECT_EQ(*(secondWelcome - 1), sentHome("阿福"));
    EXPECT_EQ(flow.news.back(), sentHome("阿福"));
    EXPECT_EQ(nameAfterward, QStringLiteral("阿福"));
    EXPECT_FALSE(QFile::exists(scoreFile()));
}

TEST_F(StartDialogTest, TheAboutBoxOpensFromItsButtonAndFromTheAboutItem)
{
    flow.onStartScreen([](QWidget* dialog) { clickButton(dialog, StartDialog::kShowAbout); })
        .onStartScreen([](QWidget* dialog) {
            QAction* item = asStartScreen(dialog)->aboutAction();
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->text(), QStringLiteral("关于都市货郎记"));
            EXPECT_TRUE(dialog->actions().contains(item)) << "offered on the start screen's own menu";
            EXPECT_EQ(dialog->contextMenuPolicy(), Qt::ActionsContextMenu);
            item->trigger();
        })
        .onStartScreen([](QWidget* dialog) {
            // Shortcuts reach the active window only. The about box it opens is counted below.
            QApplication::setActiveWindow(dialog);
            pressKey(dialog, Qt::Key_F1);
        })
        .onStartScreen(press(Qt::Key_Escape));
    flow.run();
    EXPECT_EQ(flow.aboutTitles, QStringList(3, QStringLiteral("关于都市货郎记")));
}

TEST_F(StartDialogTest, AResultThatCannotBeSavedEndsTheProcessWithoutTheList)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("score.txt")) << "a folder where the file should be";
    // The game runner stands in for a game that ended with 1 yuan.
    const auto oneYuan = [](const GameStart&) {
        rules::GameState state;
        state.cash = 1;
        state.debt = 0;
        state.health = -3;
        return state;
    };
    flow.onStartScreen(press(Qt::Key_Return)).onStartScreen(press(Qt::Key_Escape));
    flow.run(oneYuan);
    EXPECT_EQ(flow.finalWealth, 1);
    EXPECT_EQ(flow.boxes, QStringList{QStringLiteral("Error: score file can not be opened.")});
    EXPECT_EQ(exitCodes, std::vector<int>{-1});
    EXPECT_EQ(flow.listsShown, 0);
}

TEST_F(StartDialogTest, AGameThatNeverEndedIsOfferedOnceAtItsDayAndGoesOnAsItStoodOrEndsAsLeaving)
{
    const QString kept = folder.filePath("savedgame.txt");
    GameKeeper games(kept);
    // Three rides and a purchase; the file as it stands then is what a killed process leaves.
    QByteArray killedAt;
    rules::SavedGame before;
    QStringList marketBefore, roomBefore;
    ScreenFlow first(scores, &games);
    // Dice whose third day offers a cheap row 1.
    first.random = rules::GameRandom(kQuietSeed);
    first.onStartScreen(press(Qt::Key_Return)).onStartScreen(press(Qt::Key_Escape));
    first.answer(pressEnter());
    first.inGame([&](GameDialog& window) {
        for (int press = 0; press < 3; ++press)
            pressStation(window, press);
        clickRow(window.marketList(), 1);
        clickControl(window, GameDialog::kBuy);
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the game is on disk while it runs";
        killedAt = file.readAll();
        before = *rules::parseSavedGame(killedAt.toStdString());
        marketBefore = columnTexts(window.marketList(), 1);
        roomBefore = columnTexts(window.roomList(), 2);
    });
    first.run();
    EXPECT_FALSE(QFile::exists(kept)) << "a game that ended is gone";
    ASSERT_EQ(before.state.daysLeft, 37);
    ASSERT_GT(before.state.roomCount, 0) << "the purchase is kept";
    const auto killed = [&] {
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(killedAt);
    };

    // Yes: the window as it stood, dice and all; then it ends as any game.
    killed();
    ScreenFlow resumed(scores, &games);
    resumed.answer(pressEnter()).onStartScreen(press(Qt::Key_Escape));
    resumed.inGame([&](GameDialog& window) {
        EXPECT_EQ(window.controlText(GameDialog::kDayCaption), QStringLiteral("都市货郎(3/40天)"));
        EXPECT_EQ(columnTexts(window.marketList(), 1), marketBefore);
        EXPECT_EQ(columnTexts(window.roomList(), 2), roomBefore);
        EXPECT_EQ(window.display(GameDialog::kCashDisplay)->text(), std::to_string(before.state.cash));
        rules::SavedGame now = before;
        now.state = window.state();
        EXPECT_EQ(rules::formatSavedGame(now), killedAt.toStdString());
    });
    resumed.run();
    EXPECT_EQ(resumed.resumeQuestions, std::vector<std::string>{"上次的游戏还没有结束（第3天）。接着玩吗？"});
    EXPECT_EQ(resumed.news, std::vector<std::string>{sentHome("小vu")}) << "no welcome for a game that goes on";
    EXPECT_FALSE(QFile::exists(kept));
    EXPECT_TRUE(resumed.unexpected.isEmpty()) << joined(resumed.unexpected);

    // No: it ends as leaving would, under the name it was played with, and is not offered again.
    killed();
    ScreenFlow declined(scores, &games);
    declined.answer(press(Qt::Key_Escape)).onStartScreen(press(Qt::Key_Escape));
    declined.run();
    EXPECT_EQ(declined.news, std::vector<std::string>{sentHome("小vu")});
    EXPECT_EQ(declined.gamesOpened, 0);
    EXPECT_FALSE(QFile::exists(kept));
    EXPECT_TRUE(declined.unexpected.isEmpty()) << joined(declined.unexpected);
    ScreenFlow again(scores, &games);
    again.onStartScreen(press(Qt::Key_Escape));
    again.run();
    EXPECT_TRUE(again.resumeQuestions.empty());
    EXPECT_TRUE(again.unexpected.isEmpty()) << joined(again.unexpected);
}

TEST_F(StartDialogTest, AGameMarkedEndedIsCountedOnceAndABadOneIsSetAsideUnlessAnotherCopyPlaysIt)
{
    const QString kept = folder.filePath("savedgame.txt");
    const auto write = [&](const std::string& bytes) {
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
    };
    const auto quietStart = [&](GameKeeper& games) {
        ScreenFlow flow(scores, &games);
        flow.onStartScreen(press(Qt::Key_Escape));
        flow.run();
        EXPECT_TRUE(flow.resumeQuestions.empty());
        EXPECT_TRUE(flow.unexpected.isEmpty()) << joined(flow.unexpected);
        return flow.news;
    };
    // Ended with 30000 yuan, the list as it stood then (the default) recorded with it.
    rules::SavedGame ended;
    ended.state.debt = 0;
    ended.state.cash = 30000;
    ended.player = "货郎";
    ended.ended = true;
    ended.listBefore = rules::listHash(score::formatScores(score::defaultScoreTable()));
    GameKeeper games(kept);
    for (int death = 0; death < 2; ++death) {
        // Died before the list was saved, then after it: the result is there once either way.
        write(rules::formatSavedGame(ended));
        EXPECT_TRUE(quietStart(games).empty());
        EXPECT_FALSE(QFile::exists(kept));
        scores.load();
        EXPECT_EQ(std::count(scores.table().begin(), scores.table().end(), score::ScoreEntry{"货郎", 30000, 100}), 1);
        EXPECT_TRUE(scores.saveOrEndProcess());
    }

    // Another copy plays the game on disk: it is neither offered nor touched.
    write(rules::formatSavedGame(rules::SavedGame{}).substr(0, 40));
    {
        GameKeeper otherCopy(kept);
        ASSERT_TRUE(otherCopy.claim());
        EXPECT_TRUE(quietStart(games).empty());
        EXPECT_TRUE(QFile::exists(kept));
    }
    // Nobody does: the unreadable file is set aside beside itself, and the player told.
    EXPECT_EQ(quietStart(games), std::vector<std::string>{"上次没有玩完的游戏读不出来，已改名放在一旁。"});
    EXPECT_FALSE(QFile::exists(kept));
    EXPECT_EQ(QFile(kept + ".bad").size(), 40);

    // Whatever else stands in its place is set aside as it is, and nothing makes the start wait.
    std::vector<std::function<void()>> oddities{
        [&] { write(""); },
        [&] { write(rules::formatSavedGame(ended) + std::string(rules::kSavedGameReadLimit, ' ')); },
        [&] { ASSERT_TRUE(QDir(folder.path()).mkdir("savedgame.txt")); },
#ifdef Q_OS_UNIX
        [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(kept).constData(), 0600), 0); },
        [&] { ASSERT_TRUE(QFile::link("/dev/zero", kept)); },
#endif
    };
    for (std::size_t n = 0; n < oddities.size(); ++n) {
        oddities[n]();
        EXPECT_EQ(quietStart(games), std::vector<std::string>{"上次没有玩完的游戏读不出来，已改名放在一旁。"}) << n;
        EXPECT_FALSE(QFileInfo::exists(kept) || QFileInfo(kept).isSymLink()) << n;
    }
    EXPECT_EQ(QDir(folder.path()).entryList({"savedgame.txt.bad*"}, QDir::AllEntries | QDir::System).size(),
              qsizetype(oddities.size() + 1));
}
