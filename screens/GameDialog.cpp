#include "screens/GameDialog.h"

#include "platform/DialogReading.h"
#include "platform/Gbk.h"
#include "platform/ReportList.h"
#include "platform/Resources.h"
#include "rules/DayAdvance.h"
#include "rules/Services.h"
#include "rules/Trading.h"
#include "screens/AirportDialog.h"
#include "screens/AmountDialog.h"
#include "screens/BankDialog.h"
#include "screens/BuyQuantityDialog.h"
#include "screens/DiaryDialog.h"
#include "screens/HospitalDialog.h"
#include "screens/NewsDialog.h"
#include "screens/RepayDialog.h"
#include "screens/SellQuantityDialog.h"
#include "widgets/SegmentDisplay.h"
#include "widgets/TickerControl.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>

using namespace platform;
using widgets::SegmentDisplay;
using widgets::TickerControl;

namespace screens {

namespace {

constexpr int kRowIcon = 146;

constexpr const char* kCashLabel = "现 金";
constexpr const char* kSavingsLabel = "存款：";
constexpr const char* kDebtLabel = "欠 债";
constexpr const char* kHealthLabel = "健康：";
// The headings over the lists and the labels over the trade buttons name them too.
constexpr const char* kMarketHeading = "         地铁门口的黑市";
constexpr const char* kRoomHeading = "        您的出租屋里";
constexpr const char* kBuyLabel = "买进";
constexpr const char* kSellLabel = "卖出";
// The ticker has no label of its own.
constexpr const char* kTickerName = "滚动提示";

// Each figure's display, and the label beside it after which a screen reader names the display.
struct FigureDisplay {
    rules::Figure figure;
    int id;
    const char* label;
};
const FigureDisplay kFigureDisplays[] = {{rules::Figure::Cash, GameDialog::kCashDisplay, kCashLabel},
                                         {rules::Figure::Savings, GameDialog::kSavingsDisplay, kSavingsLabel},
                                         {rules::Figure::Debt, GameDialog::kDebtDisplay, kDebtLabel},
                                         {rules::Figure::Health, GameDialog::kHealthDisplay, kHealthLabel}};

const DialogTemplate kGameTemplate{
    GameDialog::kTemplateId, "都市货郎记", 412, 383, 8, true,
    {
        {IDOK, ControlKind::DefaultPushButton, "离 开", 275, 324, 70, 26},
        {GameDialog::kDayCaption, ControlKind::Static, "都市货郎记", 7, 7, 346, 15, Centered | Sunken},
        {GameDialog::kMarketList, ControlKind::ListView, "", 7, 44, 146, 140, TabStop},
        {GameDialog::kRoomList, ControlKind::ListView, "", 207, 44, 178, 140, TabStop},
        {GameDialog::kBuy, ControlKind::PushButton, " ==>", 160, 75, 41, 17},
        {GameDialog::kSell, ControlKind::PushButton, " <== ", 160, 130, 41, 17},
        {GameDialog::kBuyAll, ControlKind::PushButton, "==>>", 185, 170, 10, 17, Hidden},
        {GameDialog::kSellAll, ControlKind::PushButton, "<<==", 155, 170, 15, 17, Hidden},
        {IDC_STATIC, ControlKind::Frame, "", 7, 193, 393, 2},
        {IDC_STATIC, ControlKind::GroupBox, "北京地铁站", 175, 200, 228, 115},
        {GameDialog::kBank, ControlKind::PushButton, "银  行", 5, 325, 50, 24},
        {IDC_STATIC, ControlKind::Static, kCashLabel, 10, 216, 30, 8},
        {IDC_STATIC, ControlKind::Static, kDebtLabel, 10, 275, 20, 8},
        {GameDialog::kCashDisplay, ControlKind::Custom, "", 40, 209, 120, 20, Sunken},
        {GameDialog::kPostOffice, ControlKind::PushButton, "邮 局", 140, 325, 49, 25},
        {GameDialog::kHospital, ControlKind::PushButton, "医  院", 75, 325, 44, 25},
        {IDC_STATIC, ControlKind::Static, kMarketHeading, 15, 29, 120, 13},
        {IDC_STATIC, ControlKind::Static, kRoomHeading, 220, 31, 115, 8},
        {IDC_STATIC, ControlKind::Static, kBuyLabel, 165, 61, 30, 8, Centered},
        {IDC_STATIC, ControlKind::Static, kSellLabel, 169, 116, 16, 8},
        {IDC_STATIC, ControlKind::Static, kHealthLabel, 10, 295, 25, 8},
        {IDC_STATIC, ControlKind::GroupBox, "状 态", 5, 195, 160, 120},
        {IDC_STATIC, ControlKind::Static, kSavingsLabel, 10, 245, 25, 8},
        {GameDialog::kSavingsDisplay, ControlKind::Custom, "", 40, 239, 120, 20, Sunken},
        {GameDialog::kAirport, ControlKind::PushButton, "首都国际机场", 210, 325, 50, 25},
        {GameDialog::kHealthDisplay, ControlKind::Custom, "Static", 39, 290, 45, 21, Sunken},
        {GameDialog::kDebtDisplay, ControlKind::Custom, "Static", 39, 268, 120, 19, Sunken},
        {GameDialog::kTicker, ControlKind::Custom, "Static", 10, 355, 390, 20},
        {1054, ControlKind::RadioPushButton, "苹果园", 179, 250, 35, 20, TabStop},
        {1055, ControlKind::RadioPushButton, "公主坟", 222, 248, 31, 24},
        {1013, ControlKind::RadioPushButton, "复兴门", 260, 250, 40, 22},
        {1032, ControlKind::RadioPushButton, "长椿街", 261, 280, 38, 26},
        {1009, ControlKind::RadioPushButton, "西直门", 260, 215, 40, 25},
        {1017, ControlKind::RadioPushButton, "积水潭", 305, 215, 40, 26},
        {1016, ControlKind::RadioPushButton, "东直门", 352, 215, 40, 25},
        {1008, ControlKind::RadioPushButton, "建国门", 351, 252, 40, 24},
        {1011, ControlKind::RadioPushButton, "北京站", 352, 280, 40, 25},
        {1014, ControlKind::RadioPushButton, "崇文门", 306, 280, 38, 26},
    }};

// Our colour values are laid out as 0x00BBGGRR, as the displays take them.
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kDebtRed = 0x0000F0;
constexpr std::uint32_t kTickerWhite = 0xFFFFFF;
constexpr std::uint32_t kTickerYellow = 0x2BFFFF;

// An offer's or a holding's cells, as its row in the list shows them.
template <class Row>
QStringList cellsOf(const Row& row)
{
    QStringList cells;
    for (const std::string& text : rules::rowTexts(row))
        cells << fromGbk(text);
    return cells;
}

template <class Row>
QList<QStringList> cellsOfAll(const std::vector<Row>& rows)
{
    QList<QStringList> cells;
    for (const Row& row : rows)
        cells << cellsOf(row);
    return cells;
}

// Asks the question in the dialog made for it: the number, or nothing when cancelled.
template <class Dialog>
std::optional<std::int32_t> askWith(const rules::NumberQuestion& question)
{
    return Dialog(question.prompt, question.preset, question.lower, question.upper).ask();
}

} // namespace

GameDialog::GameDialog(rules::GameRandom& random, QWidget* owner)
    : TemplateDialog(kGameTemplate, owner)
    , random_(random)
{
    marketList_ = list(kMarketList);
    roomList_ = list(kRoomList);
    for (const FigureDisplay& shown : kFigureDisplays)
        adopt(shown.id, new SegmentDisplay(this));
    ticker_ = adopt(kTicker, new widgets::TickerControl(this));

    // Every button's command; a service changes the game, which is kept after it.
    const std::pair<int, std::function<void()>> commands[] = {
        {kBuy, [this] { OnBuy(); }},
        {kSell, [this] { OnSell(); }},
        {kBuyAll, [this] { OnBuyAll(); }},
        {kSellAll, [this] { OnSellAll(); }},
        {kBank, [this] { rules::openBank(state_, *this); keepGame(); }},
        {kHospital, [this] { rules::openHospital(state_, *this); keepGame(); }},
        {kPostOffice, [this] { rules::openPostOffice(state_, *this); keepGame(); }},
        {kAirport, [this] { rules::openAirport(*this); }},
    };
    for (const auto& [id, command] : commands)
        connect(button(id), &QPushButton::clicked, this, command);
    for (int id : kStationIds)
        connect(button(id), &QPushButton::clicked, this, [this] { advanceDayOnStation(); });
    connect(marketList_, &ReportList::rowDoubleClicked, this, [this] { OnBuy(); });
    connect(roomList_, &ReportList::rowDoubleClicked, this, [this] { OnSell(); });
    connect(marketList_, &ReportList::columnClicked, this, [this](int column) { OnColumnclick(marketList_, column); });
    connect(roomList_, &ReportList::columnClicked, this, [this](int column) { OnColumnclick(roomList_, column); });
    connect(marketList_, &ReportList::dragStarted, this, [this](QPoint p) { BeginDrag(marketList_, p); });
    connect(roomList_, &ReportList::dragStarted, this, [this](QPoint p) { BeginDrag(roomList_, p); });
}

GameDialog::~GameDialog()
{
    endDrag();
}

SegmentDisplay* GameDialog::display(int id) const
{
    return controlAs<SegmentDisplay>(id);
}

bool GameDialog::initDialog()
{
    setUpLists();
    setUpDisplays();
    setUpTicker();
    if (resumed_) {
        state_ = resumed_->state;
        marketSort_ = resumed_->marketSort;
        roomSort_ = resumed_->roomSort;
        random_ = rules::GameRandom(resumed_->diceState);
        rules::resumeGame(state_, *this);
    } else {
        // Health 100, the first displays and the opening market; no events on the first day.
        rules::beginGame(state_, *this, random_);
    }
    keepGame();
    return true;
}

void GameDialog::keepGame()
{
    if (keep_ && !endRequested_)
        keep_(rules::SavedGame{state_, marketSort_, roomSort_, random_.state(), {}, false, 0});
}

void GameDialog::setUpLists()
{
    const QIcon icon = iconResource(kRowIcon);
    for (ReportList* list : {marketList_, roomList_})
        list->setRowIcon(icon);
    const auto width = [this](int pixels) { return units().scalePixelsX(pixels); };
    marketList_->addColumn(QString::fromUtf8("商品"), width(68));
    marketList_->addColumn(QString::fromUtf8("黑市价格"), width(67));
    marketList_->addColumn(QString(), width(27));
    roomList_->addColumn(QString::fromUtf8("商品"), width(68));
    roomList_->addColumn(QString::fromUtf8("买进价格"), width(67));
    roomList_->addColumn(QString::fromUtf8("数量"), width(57));
    // The names need the room; the market's columns then scroll sideways.
    marketList_->setColumnWidth(0, width(150));
    roomList_->setColumnWidth(0, width(100));
    nameForScreenReaders();
}

void GameDialog::nameForScreenReaders()
{
    const std::pair<QWidget*, const char*> names[] = {
        {marketList_, kMarketHeading}, {roomList_, kRoomHeading},   {button(kBuy), kBuyLabel},
        {button(kSell), kSellLabel},   {ticker_, kTickerName},
    };
    for (const auto& [control, name] : names)
        control->setAccessibleName(QString::fromUtf8(name).trimmed());
    // Never shown, so never reached by the keyboard: a screen reader must not offer them.
    for (int id : {kBuyAll, kSellAll})
        button(id)->setFocusPolicy(Qt::NoFocus);
}

void GameDialog::setUpDisplays()
{
    for (const FigureDisplay& shown : kFigureDisplays)
        display(shown.id)->setAccessibleName(QString::fromUtf8(shown.label));
    display(kDebtDisplay)->SetBackgroundColor(kBlack);
    display(kDebtDisplay)->SetSegmentColors(kBlack, kDebtRed);
}

void GameDialog::setUpTicker()
{
    ticker_->setText(" Loading data, please wait...");
    ticker_->loadTips(kTickerWhite, kTickerYellow, QStringLiteral("Comic Sans MS"), 17, 4);
    ticker_->setStep(2);
}

void GameDialog::advanceDayOnStation()
{
    const int messagesBefore = messagesShown_;
    rules::advanceDay(state_, *this, random_);
    keepGame();
    if (endRequested_) {
        done(*endRequested_ == rules::GameEnd::Ok ? IDOK : IDCANCEL);
        return;
    }
    // After a message a screen reader speaks the window with its day as it comes back; after
    // a quiet day the window must ask for that itself.
    if (messagesShown_ == messagesBefore)
        platform::retellWindow(this);
}

// ---- Trading ---------------------------------------------------------------

void GameDialog::OnBuy()
{
    const rules::BuyResult result = rules::buySelected(state_, *this);
    // The room list shows its top and takes the focus once a purchase got as far as the room.
    if (result == rules::BuyResult::Merged || result == rules::BuyResult::Added
        || result == rules::BuyResult::RoomTooSmall) {
        roomList_->ensureRowVisible(0);
        roomList_->setFocus(Qt::OtherFocusReason);
    }
    keepGame();
}

void GameDialog::OnSell()
{
    if (roomList_->selectedRow() < 0)
        return;
    marketList_->clearSelection();
    rules::sellSelected(state_, *this);
    marketList_->ensureRowVisible(0);
    marketList_->setFocus(Qt::OtherFocusReason);
    keepGame();
}

void GameDialog::OnBuyAll()
{
    if (marketList_->rowCount() > 0)
        marketList_->selectRow(marketList_->rowCount() - 1);
    OnBuy();
}

void GameDialog::OnSellAll()
{
    if (roomList_->rowCount() > 0)
        roomList_->selectRow(roomList_->rowCount() - 1);
    OnSell();
}

void GameDialog::OnColumnclick(ReportList* list, int column)
{
    const bool market = list == marketList_;
    rules::sortByColumn(state_, market ? rules::List::Market : rules::List::Room, market ? marketSort_ : roomSort_,
                        column);
    list->reorderRows(market ? cellsOfAll(state_.offers) : cellsOfAll(state_.holdings));
    keepGame();
}

// ---- Drag and drop -----------------------------------------------------------

void GameDialog::BeginDrag(ReportList* list, QPoint pressPos)
{
    const int row = list->selectedRow();
    if (row < 0 || dragSource_)
        return;
    QRect bounds;
    const QPixmap picture = list->rowPicture(row, &bounds);
    if (picture.isNull())
        return;
    // The picture keeps the offset at which the row was grabbed.
    dragImage_.begin(this, picture, pressPos - bounds.topLeft(), list->palette().color(QPalette::Base));
    dragSource_ = list;
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    // The button stays down on the list until the drop, so the system sends every move and the
    // release to it, wherever the pointer goes: the window follows them there.
    list->viewport()->installEventFilter(this);
    trackDrag(list->mapToGlobal(pressPos));
    dragImage_.enter();
}

QWidget* GameDialog::controlAtScreen(QPoint globalPos) const
{
    // Only what lies inside this window counts: outside it nothing can take a drop.
    const QPoint local = mapFromGlobal(globalPos);
    if (!rect().contains(local))
        return nullptr;
    return childAt(local);
}

void GameDialog::trackDrag(QPoint globalPos)
{
    if (!dragSource_)
        return;
    dragImage_.move(globalPos);
    QWidget* under = controlAtScreen(globalPos);
    const bool overList = marketList_->isListSurface(under) || roomList_->isListSurface(under);
    QGuiApplication::changeOverrideCursor(overList ? Qt::ArrowCursor : Qt::ForbiddenCursor);
}

void GameDialog::drop(QPoint globalPos)
{
    ReportList* source = dragSource_;
    endDrag();
    // The trade's dialogs come after the cursor and the picture have gone.
    QWidget* target = controlAtScreen(globalPos);
    if (source == marketList_ && roomList_->isListSurface(target))
        OnBuy();
    else if (source == roomList_ && marketList_->isListSurface(target))
        OnSell();
}

void GameDialog::endDrag()
{
    if (!dragSource_)
        return;
    dragSource_->viewport()->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
    dragImage_.leave();
    dragImage_.end();
    dragSource_ = nullptr;
}

void GameDialog::hideEvent(QHideEvent* event)
{
    // However the game ends (Esc, Enter, the last day) a drag in progress ends with it.
    endDrag();
    TemplateDialog::hideEvent(event);
}

bool GameDialog::eventFilter(QObject* watched, QEvent* event)
{
    const bool move = event->type() == QEvent::MouseMove, release = event->type() == QEvent::MouseButtonRelease;
    if (dragSource_ && watched == dragSource_->viewport() && (move || release)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (move) {
            trackDrag(mouse->globalPosition().toPoint());
            return true;
        }
        if (mouse->button() == Qt::LeftButton) {
            drop(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return TemplateDialog::eventFilter(watched, event);
}

// ---- The rules' host ---------------------------------------------------------

void GameDialog::showMessage(rules::MessageDialog dialog, const std::string& gbkText)
{
    ++messagesShown_;
    if (dialog == rules::MessageDialog::News)
        NewsDialog(gbkText).runModal();
    else
        DiaryDialog(gbkText).runModal();
}

void GameDialog::showFigure(rules::Figure figure, const std::string& text)
{
    for (const FigureDisplay& shown : kFigureDisplays)
        if (shown.figure == figure)
            display(shown.id)->SetText(text);
}

void GameDialog::setDayCaption(const std::string& gbkText)
{
    setControlText(kDayCaption, fromGbk(gbkText));
    // A screen reader speaks it as the window comes back after the day's messages.
    setAccessibleDescription(fromGbk(gbkText));
}

void GameDialog::marketRebuilt(const std::vector<rules::MarketOffer>& offers)
{
    marketList_->clear();
    for (const rules::MarketOffer& offer : offers)
        marketList_->insertRow(marketList_->rowCount(), cellsOf(offer));
}

void GameDialog::roomRowChanged(rules::RowChange change, int index, const rules::RoomHolding& holding)
{
    if (change == rules::RowChange::Removed) {
        roomList_->deleteRow(index);
        return;
    }
    const QStringList cells = cellsOf(holding);
    if (change == rules::RowChange::Inserted) {
        roomList_->insertRow(index, cells);
        return;
    }
    roomList_->setCellText(index, 1, cells[1]);
    roomList_->setCellText(index, 2, cells[2]);
}

void GameDialog::purchaseAccepted()
{
    // A buy touches the room list only once its quantity is accepted; then it leaves the
    // room's selection for the row the goods go to.
    roomList_->clearSelection();
}

std::optional<int> GameDialog::selectedRow(rules::List which)
{
    const int row = (which == rules::List::Market ? marketList_ : roomList_)->selectedRow();
    return row < 0 ? std::nullopt : std::optional<int>(row);
}

std::optional<std::int32_t> GameDialog::askNumber(const rules::NumberQuestion& question)
{
    switch (question.kind) {
    case rules::Question::BuyQuantity: return askWith<BuyQuantityDialog>(question);
    case rules::Question::SellQuantity: return askWith<SellQuantityDialog>(question);
    case rules::Question::Amount: return askWith<AmountDialog>(question);
    case rules::Question::HealthPoints: return askWith<HospitalDialog>(question);
    case rules::Question::Repayment: return askWith<RepayDialog>(question);
    }
    return std::nullopt;
}

void GameDialog::runBankDialog(const std::string& line, const std::function<void(rules::BankChoice)>& onChoice)
{
    BankDialog dialog(line, [&onChoice](bool deposit) {
        onChoice(deposit ? rules::BankChoice::Deposit : rules::BankChoice::Withdraw);
    });
    dialog.runModal();
}

void GameDialog::showAirport()
{
    AirportDialog().runModal();
}

void GameDialog::requestEndOfGame(rules::GameEnd result)
{
    // The window goes at once; the day's remaining steps still run before the game ends.
    endRequested_ = result;
    hide();
}

} // namespace screens
