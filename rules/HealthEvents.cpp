#include "rules/Events.h"

#include "rules/Displays.h"
#include "rules/EventTables.h"
#include "rules/Random.h"

namespace rules {

namespace {

const HealthEvent* drawHealthEvent()
{
    for (const HealthEvent& event : HealthEventTable)
        if (roll(kHealthEventRoll) % event.odds == 0)
            return &event;
    return nullptr;
}

} // namespace

void runHealthEvents(GameState& state, GameHost& host)
{
    if (const HealthEvent* event = drawHealthEvent()) {
        host.showMessage(MessageDialog::Diary,
                         std::string(event->message) + "俺的健康减少了" + std::to_string(event->damage) + "点。");
        state.health -= event->damage;
    }
    showHealth(state, host);

    // 0 and 20 belong to no band: no warning, no death.
    const std::int32_t h = state.health;
    if (h >= 21 && h <= 29) {
        host.showMessage(MessageDialog::Diary, "俺的健康状况不佳，快去医院。");
    } else if (h >= 1 && h <= 19) {
        host.showMessage(MessageDialog::Diary, "俺的健康..健康危机..快去医..");
    } else if (h < 0) {
        host.showMessage(MessageDialog::Diary, "俺倒在街头,身边日记本上写着：\"北京，我将再来!\"");
        host.requestEndOfGame(GameEnd::Cancel);
    }
}

} // namespace rules
