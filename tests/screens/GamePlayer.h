#pragma once
// Plays the game window as a person would, with clicks and keys, and answers what it opens:
// news and diary messages and message boxes are read and closed with Enter; every other
// dialog gets the next answer the test queued for it.

#include "ModalScript.h"
#include "platform/ReportList.h"
#include "rules/GameState.h"
#include "screens/GameDialog.h"

#include <QStringList>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class GamePlayer {
public:
    // Queues the answer for the next dialog that is neither a message nor a message box.
    GamePlayer& answer(ModalScript::Step step);

    // Opens a game window with the random source at `seed` and runs `play` in it. A window
    // still open after `play` is cancelled. Returns the window's result.
    int run(std::uint32_t seed, const std::function<void(screens::GameDialog&)>& play);

    std::vector<std::string> messages; // news and diary texts as shown, GBK bytes
    QStringList boxes;                 // message box texts
    QStringList unexpected;            // dialogs no answer was queued for
    int answersLeft() const { return int(answers_.size()); }
    rules::GameState finalState;

private:
    void respond(QWidget* dialog);

    std::deque<ModalScript::Step> answers_;
};

// Gestures on the window.
void clickRow(platform::ReportList* list, int row);
void doubleClickRow(platform::ReportList* list, int row);
void clickControl(screens::GameDialog& window, int id);
void pressStation(screens::GameDialog& window, int press);
QStringList columnTexts(platform::ReportList* list, int column);

// Answers: Enter on the dialog as it opened, or a number typed into an edit first.
ModalScript::Step pressEnter();
ModalScript::Step typeAndEnter(int editId, std::int32_t value);

// The goods' place in the catalogue, -1 for a name it does not hold.
int catalogueIndex(const std::string& name);

// A plain trader at the window: sells whatever the market takes, pays the village head off
// as soon as it can, sees the doctor when weak, buys the goods cheapest against their band
// and keeps half of a large purse in the bank. Every gesture is a click; the dialogs it opens
// get the answers it hands to `answer`.
class WindowTrader {
public:
    using Answer = std::function<void(ModalScript::Step)>;
    WindowTrader(Answer answer, screens::GameDialog& window) : answer_(std::move(answer)), window_(window) {}

    // Trades and rides until the window closes, at most 45 presses; returns the presses made.
    int playGame();

private:
    const rules::GameState& state() const { return window_.state(); }
    void trade();
    void buyCheapest();

    Answer answer_;
    screens::GameDialog& window_;
};
