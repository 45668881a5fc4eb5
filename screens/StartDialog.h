#pragma once
// "都市货郎记", the start screen: tells the story, takes the player's name and starts game after
// game. It lives for the whole run; when it closes, the program ends.

#include "platform/TemplateDialog.h"
#include "rules/GameState.h"
#include "rules/Random.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class QAction;

namespace screens {

class ScoreKeeper;

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
    using GameRunner = std::function<rules::GameState()>;
    // The real game: the game window, run modally, drawing its dice from `random`.
    static rules::GameState playGameInWindow(rules::RandomSource& random);

    // The list of results is `scores`'s, which outlives the screen.
    explicit StartDialog(ScoreKeeper& scores, GameRunner playGame, QWidget* owner = nullptr);

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
    // Saves the list, then shows it; a list that cannot be saved ends the process instead.
    void showScores(int highlightRow);
    void onShowAbout();
    void reportResult(const rules::GameState& closedGame);
    // The name as the box holds it now, in GBK.
    std::string nameInBox() const;

    std::int32_t finalWealth_ = 0;
    // Kept as Qt text: nothing needs it in GBK before a game starts, and the start screen then
    // shows without loading the GBK converter.
    QString playerName_;
    ScoreKeeper& scores_;
    GameRunner playGame_;
    QAction* aboutAction_ = nullptr;
};

} // namespace screens
