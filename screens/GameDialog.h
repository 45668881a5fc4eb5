#pragma once
// The window in which one game is played. It owns the game's state, shows the market and the
// room side by side with the four status displays and the ticker, and is the rules' host:
// every message, prompt and refresh of the rules goes through it.

#include "platform/DragImage.h"
#include "platform/TemplateDialog.h"
#include "rules/GameHost.h"
#include "rules/Random.h"
#include "rules/SavedGame.h"

#include <QPoint>
#include <array>
#include <functional>
#include <optional>

class QLabel;
namespace widgets {
class SegmentDisplay;
class TickerControl;
}

namespace platform {
class ReportList;
}

namespace screens {

class GameDialog : public platform::TemplateDialog, private rules::GameHost {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 129;
    // Control ids of the window.
    enum Control {
        kDayCaption = 1012,
        kMarketList = 1001,
        kRoomList = 1002,
        kBuy = 1006,
        kSell = 1003,
        kBuyAll = 1004,
        kSellAll = 1005,
        kBank = 1018,
        kHospital = 1031,
        kPostOffice = 1030,
        kAirport = 1036,
        kCashDisplay = 1020,
        kSavingsDisplay = 1035,
        kHealthDisplay = 1047,
        kDebtDisplay = 1050,
        kTicker = 1051,
    };
    // The station buttons in template order; any of them advances the day.
    static constexpr std::array<int, 10> kStationIds{1054, 1055, 1013, 1032, 1009, 1017, 1016, 1008, 1011, 1014};

    // The dice are the run's: a second game goes on where the first one's stopped.
    explicit GameDialog(rules::GameRandom& random, QWidget* owner = nullptr);
    ~GameDialog() override;

    const rules::GameState& state() const { return state_; }

    // Before the window opens: it shows `game` as it stood, dice and all, instead of a new game.
    void resumeFrom(const rules::SavedGame& game) { resumed_ = game; }
    // Hands the game to `keep` when the window has opened and after every step that changed it
    // (a station press with its events, a trade, a service, a sort), unless that step ended it.
    void keepWith(std::function<void(const rules::SavedGame&)> keep) { keep_ = std::move(keep); }

    platform::ReportList* marketList() const { return marketList_; }
    platform::ReportList* roomList() const { return roomList_; }
    widgets::SegmentDisplay* display(int id) const;
    widgets::TickerControl* ticker() const { return ticker_; }
    bool isDragging() const { return dragSource_ != nullptr; }
    // The picture that follows the mouse while a row is dragged; null otherwise.
    const QWidget* dragPicture() const { return dragImage_.picture(); }

protected:
    bool initDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Gestures.
    void OnBuy();
    void OnSell();
    void OnBuyAll();
    void OnSellAll();
    void OnColumnclick(platform::ReportList* list, int column);
    void advanceDayOnStation();

    // Drag and drop between the two lists.
    void BeginDrag(platform::ReportList* list, QPoint pressPos);
    void trackDrag(QPoint globalPos);
    void drop(QPoint globalPos);
    // Lets go of the mouse, the cursor and the picture; nothing is traded.
    void endDrag();
    QWidget* controlAtScreen(QPoint globalPos) const;

    void setUpLists();
    // The names a screen reader gives the lists, the trade buttons and the ticker.
    void nameForScreenReaders();
    void setUpDisplays();
    void setUpTicker();

    // rules::GameHost
    void showMessage(rules::MessageDialog dialog, const std::string& gbkText) override;
    void showFigure(rules::Figure figure, const std::string& text) override;
    void setDayCaption(const std::string& gbkText) override;
    void marketRebuilt(const std::vector<rules::MarketOffer>& offers) override;
    void roomRowChanged(rules::RowChange change, int index, const rules::RoomHolding& holding) override;
    std::optional<int> selectedRow(rules::List list) override;
    void purchaseAccepted() override;
    std::optional<std::int32_t> askNumber(const rules::NumberQuestion& question) override;
    void runBankDialog(const std::string& line, const std::function<void(rules::BankChoice)>& onChoice) override;
    void showAirport() override;
    void requestEndOfGame(rules::GameEnd result) override;

    rules::GameState state_;
    void keepGame();

    rules::GameRandom& random_;
    std::optional<rules::SavedGame> resumed_;
    std::function<void(const rules::SavedGame&)> keep_;
    platform::ReportList* marketList_ = nullptr;
    platform::ReportList* roomList_ = nullptr;
    widgets::TickerControl* ticker_ = nullptr;

    rules::ColumnSort marketSort_;
    rules::ColumnSort roomSort_;

    platform::ReportList* dragSource_ = nullptr;
    platform::DragImage dragImage_;

    std::optional<rules::GameEnd> endRequested_;
    // News and diary messages so far, to tell a quiet day from one that spoke.
    int messagesShown_ = 0;
};

} // namespace screens
