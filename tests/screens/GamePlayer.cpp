#include "GamePlayer.h"

#include "app/artwork/Artwork.h"
#include "platform/Gbk.h"
#include "rules/GameState.h"
#include "rules/Random.h"
#include "screens/AmountDialog.h"
#include "screens/MessageDialog.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using platform::ReportList;
using namespace screens;

GamePlayer& GamePlayer::answer(ModalScript::Step step)
{
    answers_.push_back(std::move(step));
    return *this;
}

int GamePlayer::run(std::uint32_t seed, const std::function<void(GameDialog&)>& play)
{
    app::installGameArtwork();
    int result = 0;
    ModalScript script;
    script
        .then([&](QWidget* top) {
            auto* window = qobject_cast<GameDialog*>(top);
            if (!window) {
                unexpected << QStringLiteral("the game window did not open first");
                return;
            }
            play(*window);
            if (window->isVisible())
                static_cast<QDialog*>(window)->reject();
        })
        .otherwise([this](QWidget* dialog) { respond(dialog); });
    script.run([&] {
        rules::GameRandom random(seed);
        GameDialog window(random);
        result = window.runModal();
        finalState = window.state();
    });
    unexpected << script.unexpected();
    if (!script.finished())
        unexpected << QStringLiteral("the game window never opened");
    return result;
}

void GamePlayer::respond(QWidget* dialog)
{
    // The game window comes back on top after each dialog it opened.
    if (qobject_cast<GameDialog*>(dialog))
        return;
    if (qobject_cast<MessageDialog*>(dialog)) {
        messages.push_back(gbkTextOf(dialog));
        pressKey(dialog, Qt::Key_Return);
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        boxes << box->text();
        box->accept();
        return;
    }
    if (answers_.empty()) {
        unexpected << windowTitleOf(dialog) + QStringLiteral(": ") + textOf(dialog);
        if (auto* modal = qobject_cast<QDialog*>(dialog))
            modal->reject();
        return;
    }
    ModalScript::Step step = std::move(answers_.front());
    answers_.pop_front();
    step(dialog);
}

namespace {

QPoint rowCenter(ReportList* list, int row)
{
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->scrollToItem(item);
    return list->visualItemRect(item).center();
}

} // namespace

void clickRow(ReportList* list, int row)
{
    pointerAt(list->viewport(), Pointer::Click, rowCenter(list, row));
}

void doubleClickRow(ReportList* list, int row)
{
    pointerAt(list->viewport(), Pointer::DoubleClick, rowCenter(list, row));
}

void clickControl(GameDialog& window, int id)
{
    pointerAt(window.button(id), Pointer::Click);
}

void pressStation(GameDialog& window, int press)
{
    clickControl(window, GameDialog::kStationIds[size_t(press) % GameDialog::kStationIds.size()]);
}

QStringList columnTexts(ReportList* list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts << list->cellText(row, column);
    return texts;
}

ModalScript::Step pressEnter()
{
    return [](QWidget* dialog) { pressKey(dialog, Qt::Key_Return); };
}

ModalScript::Step typeAndEnter(int editId, std::int32_t value)
{
    return [editId, value](QWidget* dialog) {
        typeInto(dialog, editId, QString::number(value));
        pressKey(dialog, Qt::Key_Return);
    };
}

int catalogueIndex(const std::string& name)
{
    for (int i = 0; i < rules::kGoodsCount; ++i)
        if (name == rules::GoodsCatalogue[size_t(i)].name)
            return i;
    return -1;
}

int WindowTrader::playGame()
{
    int presses = 0;
    while (window_.isVisible() && presses < 45) {
        trade();
        pressStation(window_, presses);
        ++presses;
    }
    return presses;
}

void WindowTrader::trade()
{
    for (int i = int(state().holdings.size()) - 1; i >= 0; --i) {
        if (!rules::findOffer(state(), state().holdings[size_t(i)].name))
            continue;
        clickRow(window_.roomList(), i);
        answer_(pressEnter()); // the preset sells all
        clickControl(window_, GameDialog::kSell);
    }
    if (state().debt > 0 && state().cash >= state().debt) {
        answer_(pressEnter()); // the preset repays all
        clickControl(window_, GameDialog::kPostOffice);
    }
    if (state().health < 60 && state().cash > (100 - state().health) * 3500 + 2000) {
        answer_(pressEnter()); // the preset heals fully
        clickControl(window_, GameDialog::kHospital);
    }
    if (state().daysLeft > 1)
        buyCheapest();
    if (state().cash > 50000) {
        answer_(pressEnter()); // the bank asks which way first: Enter deposits
        answer_(typeAndEnter(AmountDialog::kAmountEditId, state().cash / 2));
        clickControl(window_, GameDialog::kBank);
    }
}

void WindowTrader::buyCheapest()
{
    int best = -1;
    double bestRatio = 0.8; // only a real bargain against the middle of the band
    for (size_t i = 0; i < state().offers.size(); ++i) {
        const rules::Goods& goods = rules::GoodsCatalogue[size_t(catalogueIndex(state().offers[i].name))];
        const double ratio = state().offers[i].price / (goods.priceBase + goods.priceSpan / 2.0);
        if (state().offers[i].price <= state().cash && ratio < bestRatio) {
            bestRatio = ratio;
            best = int(i);
        }
    }
    if (best < 0)
        return;
    clickRow(window_.marketList(), best);
    answer_(pressEnter()); // the preset buys as many as cash and room allow
    clickControl(window_, GameDialog::kBuy);
}
