#include "rules/Services.h"

#include "rules/Answers.h"
#include "rules/Displays.h"

namespace rules {

void openHospital(GameState& state, GameHost& host)
{
    if (state.health >= kFullHealth) {
        host.showMessage(MessageDialog::Diary, "小护士笑咪咪地望着俺：\"大哥！神经科这边挂号.\"");
        return;
    }
    const std::int32_t needed = kFullHealth - state.health;
    const std::string line = "大夫高兴地拍着手：“您的健康点数是" + std::to_string(state.health) +
                             "，需要治疗的点数是" + std::to_string(needed) + "。";
    const NumberRequest request{line, needed, 1, needed};
    const std::optional<std::int32_t> points = acceptedNumber(request, host.askHospitalPoints(request));
    if (!points)
        return;
    const std::int64_t cost = std::int64_t(*points) * kHealthPointPrice;
    if (cost > state.cash) {
        host.showMessage(MessageDialog::Diary, "医生说，“钱不够哎! 拒绝治疗。”");
        return;
    }
    state.health += *points;
    state.cash -= std::int32_t(cost);
    showHealth(state, host);
    showCash(state, host);
}

} // namespace rules
