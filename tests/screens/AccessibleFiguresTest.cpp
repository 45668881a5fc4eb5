// What a screen reader is told by the game window's four displays: each one's label, and
// the figure it shows, also after the figure has changed.

#include "GamePlayer.h"
#include "platform/Gbk.h"
#include "screens/GameDialog.h"
#include "widgets/SegmentDisplay.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <gtest/gtest.h>

using namespace screens;

namespace {

constexpr int kAmountEdit = 1038;

struct Reading {
    QString name;
    QString value;
    QAccessible::Role role;
};

Reading readDisplay(GameDialog& window, int id)
{
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(window.display(id));
    if (!display)
        return {};
    return {display->text(QAccessible::Name), display->text(QAccessible::Value), display->role()};
}

} // namespace

TEST(AccessibleFigures, EachDisplayGivesItsLabelAndTheFigureItShowsNow)
{
    const std::pair<int, const char*> labels[] = {{GameDialog::kCashDisplay, "现 金"},
                                                  {GameDialog::kSavingsDisplay, "存款："},
                                                  {GameDialog::kDebtDisplay, "欠 债"},
                                                  {GameDialog::kHealthDisplay, "健康："}};
    const auto figures = [](const rules::GameState& state) {
        return QStringList{QString::number(state.cash), QString::number(state.savings),
                           QString::number(state.debt), QString::number(state.health)};
    };
    const auto readings = [&](GameDialog& window) {
        QStringList values;
        for (const auto& [id, label] : labels) {
            const Reading reading = readDisplay(window, id);
            EXPECT_EQ(reading.name, platform::fromGbk(label));
            EXPECT_EQ(reading.role, QAccessible::StaticText);
            values << reading.value;
        }
        return values;
    };

    GamePlayer player;
    player.answer(pressEnter()).answer(typeAndEnter(kAmountEdit, 500));
    QStringList opening;
    QStringList later;
    player.run(20261207, [&](GameDialog& window) {
        opening = readings(window);
        EXPECT_EQ(opening, (QStringList{"2000", "0", "5400", "100"}));

        clickControl(window, GameDialog::kBank); // 500 into the bank
        for (int press = 0; press < 30 && window.state().health == 100; ++press)
            pressStation(window, press);
        later = readings(window);
        EXPECT_EQ(later, figures(window.state()));
    });

    EXPECT_EQ(player.answersLeft(), 0);
    ASSERT_EQ(later.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_NE(later[i], opening[i]) << "display " << i << " did not change";
}
