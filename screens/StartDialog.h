#pragma once
// "都市货郎记", the start screen: tells the story, takes the player's name and starts game after
// game. It lives for the whole run; when it closes, the program ends.

#include "platform/TemplateDialog.h"
#include "rules/GameState.h"
#include "rules/Random.h"
#include "rules/SavedGame.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QAction;

namespace screens {

class GameKeeper;
class ScoreKeeper;

// What a game starts from: a new game, or one read back (`resumed`); `keeper`, when there is
// one, keeps it on disk under `player`'s name.
struct GameStart {
    const rules::SavedGame* resumed = nullptr;
    GameKeeper* keeper = nullptr;
    std::string player;
};

class StartDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 102;
    enum Control {
        kNameBox = 1046,
        kStartGame = 1000,
        kShowAbout = 1025,
        kShowScores = 1026,
    };

    // Plays one whole game and hands back the state its window closed with.
    using GameRunner = std::function<rules::GameState(const GameStart&)>;
    // The real game: the game window, run modally, drawing its dice from `random`.
    static rules::GameState playGameInWindow(rules::GameRandom& random, const GameStart& start);

    // The list of results is `scores`'s, which outlives the screen. With `games`, every game is
    // kept on disk while it runs, and an unfinished one is offered when the screen opens.
    explicit StartDialog(ScoreKeeper& scores, GameRunner playGame, GameKeeper* games = nullptr, QWidget* owner = nullptr);

    // The result of the last game; 0 before the first.
    std::int32_t finalWealth() const { return finalWealth_; }
    // Right-click menu and F1; on Windows the system menu has the item too.
    QAction* aboutAction() const { return aboutAction_; }

protected:
    bool initDialog() override;
    bool onSysCommand(int command) override;

private:
    void onStartGame();
    void onShowScores();
    void onShowAbout();
    // The result of a closed game under `player`, or the name in the box when none is given.
    void reportResult(const rules::GameState& closedGame, const std::optional<std::string>& player = std::nullopt);
    // Once, as the screen opens: an unfinished game is offered; one that ended before its
    // result was settled is settled now.
    void offerUnfinishedGame();
    void settleEndedGame(const rules::SavedGame& game);
    // The name as the box holds it now, in GBK.
    std::string nameInBox() const;

    std::int32_t finalWealth_ = 0;
    // Kept as Qt text: nothing needs it in GBK before a game starts, and the start screen then
    // shows without loading the GBK converter.
    QString playerName_;
    ScoreKeeper& scores_;
    GameRunner playGame_;
    GameKeeper* games_;
    QAction* aboutAction_ = nullptr;
};

} // namespace screens
