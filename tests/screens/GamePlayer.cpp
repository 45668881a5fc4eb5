#include "GamePlayer.h"

#include "app/artwork/Artwork.h"
#include "platform/Gbk.h"
#include "rules/Random.h"
#include "screens/MessageDialog.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using platform::ReportList;

GamePlayer& GamePlayer::answer(ModalScript::Step step)
{
    answers_.push_back(std::move(step));
    return *this;
}

int GamePlayer::run(std::uint32_t seed, const std::function<void(GameDialog&)>& play)
{
    installGameArtwork();
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
        rules::seedRandom(seed);
        GameDialog window;
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
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCenter(list, row));
}

void doubleClickRow(ReportList* list, int row)
{
    const QPoint at = rowCenter(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void clickControl(GameDialog& window, int id)
{
    QTest::mouseClick(window.button(id), Qt::LeftButton);
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
