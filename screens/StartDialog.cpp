#include "screens/StartDialog.h"

#include "platform/DialogReading.h"
#include "platform/Gbk.h"
#include "platform/Resources.h"
#include "platform/SystemMenu.h"
#include "rules/DayAdvance.h"
#include "rules/EndOfGame.h"
#include "score/ScoreFile.h"
#include "score/ScoreName.h"
#include "screens/AboutDialog.h"
#include "screens/GameDialog.h"
#include "screens/GameKeeper.h"
#include "screens/HighScoreDialog.h"
#include "screens/NewsDialog.h"
#include "screens/ResumeDialog.h"
#include "screens/ScoreKeeper.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

using namespace platform;

namespace screens {

const DialogTemplate kStartTemplate{
    StartDialog::kTemplateId, "都市货郎记", 307, 293, 8, true,
    {
        {StartDialog::kNameBox, ControlKind::Edit, "", 110, 193, 84, 14},
        {StartDialog::kStartGame, ControlKind::DefaultPushButton, "开始新游戏 >>", 90, 220, 134, 18},
        {IDCANCEL, ControlKind::PushButton, "逃离北京", 90, 265, 132, 18},
        {IDC_STATIC, ControlKind::Static, "您从家乡来到北京，举目无亲，仅剩现金2000元，同时还欠村长5400元高利贷。", 15, 26, 285, 11},
        {IDC_STATIC, ControlKind::Static, "“自己动手，丰衣足食”。考虑再三，您决定在北京做生意，每天在地铁各站", 15, 40, 276, 8},
        {IDC_STATIC, ControlKind::Static, "之间倒卖各种物品。您只能在北京停留40天，必须回故乡结婚。", 18, 56, 254, 8},
        {IDC_STATIC, ControlKind::Static, "您的目标是在这40天内还掉迅速增长的债务，而且还要赚大钱，登上富人榜。", 17, 74, 277, 8},
        {IDC_STATIC, ControlKind::Static, "但是发财并不容易，北京的小偷、流氓、坏人、工商局、卫生局的人都会找您", 18, 94, 277, 8},
        {IDC_STATIC, ControlKind::Static, "麻烦。您必须与他们斗智斗勇。", 18, 109, 277, 8},
        {IDC_STATIC, ControlKind::Static, "您应该在邮局给村长还钱。另外，身上现金太多是危险的，应该在银行存钱。", 15, 169, 274, 8},
        {StartDialog::kShowAbout, ControlKind::PushButton, "关于本游戏", 172, 245, 50, 14},
        {StartDialog::kShowScores, ControlKind::PushButton, "高分记录", 90, 245, 50, 14},
        {IDC_STATIC, ControlKind::Static, "输入您的大名：", 35, 197, 65, 8},
        {IDC_STATIC, ControlKind::Static, "您在海淀区租的房子最多只能放100个东西。", 15, 152, 248, 8},
        {IDC_STATIC, ControlKind::Static, "故 事 简 介", 115, 5, 45, 10},
        {IDC_STATIC, ControlKind::Static, "要  点", 130, 125, 34, 9, Centered},
        {IDC_STATIC, ControlKind::Static, "正确策略：先倒卖便宜的积累资金，后倒卖贵的赚大钱。", 17, 135, 240, 8},
    }};

constexpr int kGameIcon = 128;
constexpr const char* kDefaultPlayerName = "小vu";
constexpr const char* kAboutItemText = "关于都市货郎记";
constexpr int kAboutCommand = 0x0010;
// The game's author does not play it.
constexpr const char* kReservedName = "柏青崖";

rules::GameState StartDialog::playGameInWindow(rules::GameRandom& random, const GameStart& start)
{
    GameDialog window(random);
    if (start.resumed)
        window.resumeFrom(*start.resumed);
    if (start.keeper) {
        window.keepWith([&start](rules::SavedGame game) {
            game.player = start.player;
            start.keeper->keep(game);
        });
    }
    window.runModal();
    return window.state();
}

StartDialog::StartDialog(ScoreKeeper& scores, GameRunner playGame, GameKeeper* games, QWidget* owner)
    : TemplateDialog(kStartTemplate, owner)
    , playerName_(QString::fromUtf8(kDefaultPlayerName))
    , scores_(scores)
    , playGame_(std::move(playGame))
    , games_(games)
{
    setWindowIcon(iconResource(kGameIcon));
    connect(button(kStartGame), &QPushButton::clicked, this, &StartDialog::onStartGame);
    connect(button(kShowAbout), &QPushButton::clicked, this, &StartDialog::onShowAbout);
    connect(button(kShowScores), &QPushButton::clicked, this, &StartDialog::onShowScores);

    // The about item is on the title bar's system menu where the desktop lets a program add to
    // it (see initDialog), and everywhere on the start screen's right-click menu and on F1.
    aboutAction_ = new QAction(QString::fromUtf8(kAboutItemText), this);
    aboutAction_->setShortcut(QKeySequence(Qt::Key_F1));
    connect(aboutAction_, &QAction::triggered, this, &StartDialog::onShowAbout);
    addAction(aboutAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool StartDialog::initDialog()
{
    QLineEdit* nameBox = edit(kNameBox);
    nameBox->setText(playerName_);
    // The focus goes to the first control, the name box, with the name selected so that
    // typing replaces it.
    nameBox->selectAll();
    nameEditsByTheirLabels(this);
    appendSystemMenuItem(this, kAboutCommand, aboutAction_->text());
    // Over the start screen, once it shows.
    if (games_)
        QTimer::singleShot(0, this, &StartDialog::offerUnfinishedGame);
    return true;
}

std::string StartDialog::nameInBox() const
{
    return toGbk(edit(kNameBox)->text());
}

// The name is taken whole, as typed: no trimming, and an empty name is a name.
void StartDialog::onStartGame()
{
    const std::string name = nameInBox();
    if (name == utf8ToGbk(kReservedName)) {
        NewsDialog(utf8ToGbk("本游戏的作者柏青崖不玩这个游戏。")).runModal();
        return;
    }
    NewsDialog(utf8ToGbk("雄心勃勃的") + name + utf8ToGbk("来到了北京!发财是唯一的目标!")).runModal();
    reportResult(playGame_(GameStart{nullptr, games_, name}));
}

// The name is read again: it is the box's, not the one the game started with.
void StartDialog::reportResult(const rules::GameState& closedGame, const std::optional<std::string>& player)
{
    const std::string name = player ? *player : nameInBox();
    const rules::GameResult result = rules::endOfGame(closedGame, name);
    finalWealth_ = result.finalWealth;
    // Marked ended on disk before the result goes anywhere, and gone once it is there.
    rules::SavedGame ended{closedGame, {}, {}, 0, name, true, 0};
    if (result.sentHomeNews) {
        if (games_)
            games_->discard();
        NewsDialog(*result.sentHomeNews).runModal();
        return;
    }
    scores_.load();
    ended.listBefore = rules::listHash(score::formatScores(scores_.table()));
    if (games_)
        games_->keep(ended);
    const int row = scores_.insert(name, finalWealth_, closedGame.health).value_or(0);
    const bool saved = scores_.saveOrEndProcess();
    if (games_)
        games_->discard();
    if (saved)
        HighScoreDialog(scores_.table(), row).runModal();
}

void StartDialog::offerUnfinishedGame()
{
    bool setAside = false;
    const std::optional<rules::SavedGame> game = games_->takeUnfinished(&setAside);
    if (setAside)
        NewsDialog(utf8ToGbk("上次没有玩完的游戏读不出来，已改名放在一旁。")).runModal();
    if (!game)
        return;
    if (game->ended) {
        settleEndedGame(*game);
        return;
    }
    if (ResumeDialog(rules::kGameDays - game->state.daysLeft).runModal() == IDOK)
        reportResult(playGame_(GameStart{&*game, games_, game->player}), game->player);
    else
        reportResult(game->state, game->player);
}

// The process ended between the mark and the end of the file: the result is on the list
// unless the list is still as it was before, or lacks the result.
void StartDialog::settleEndedGame(const rules::SavedGame& game)
{
    const rules::GameResult result = rules::endOfGame(game.state, game.player);
    if (!result.sentHomeNews) {
        scores_.load();
        const score::ScoreEntry entry{score::storableName(game.player), result.finalWealth, game.state.health};
        const score::ScoreTable& table = scores_.table();
        const bool counted = rules::listHash(score::formatScores(table)) != game.listBefore &&
                             std::find(table.begin(), table.end(), entry) != table.end();
        if (!counted)
            scores_.insert(game.player, result.finalWealth, game.state.health);
        scores_.saveOrEndProcess();
    }
    games_->discard();
}

void StartDialog::onShowScores()
{
    scores_.load();
    if (scores_.saveOrEndProcess())
        HighScoreDialog(scores_.table(), 0).runModal();
}

bool StartDialog::onSysCommand(int command)
{
    // The low four bits of a system command are the system's own.
    if ((command & 0xFFF0) != kAboutCommand)
        return false;
    onShowAbout();
    return true;
}

void StartDialog::onShowAbout()
{
    AboutDialog().runModal();
}

} // namespace screens
