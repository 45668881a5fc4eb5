#include "screens/BuyQuantityDialog.h"

using namespace platform;

namespace screens {

const DialogTemplate kTemplate{
    BuyQuantityDialog::kTemplateId, "买多少？", 263, 87, 8, false,
    {
        {IDOK, ControlKind::DefaultPushButton, "确  定", 28, 61, 50, 14},
        {IDCANCEL, ControlKind::PushButton, "取  消", 181, 59, 50, 14},
        {IDC_STATIC, ControlKind::Static, "您的现金是", 17, 17, 43, 8},
        {BuyQuantityDialog::kCashAndLimitId, ControlKind::Static, "", 58, 17, 197, 8},
        {IDC_STATIC, ControlKind::Static, "您想买多少？", 63, 37, 51, 8},
        {BuyQuantityDialog::kQuantityEditId, ControlKind::Edit, "", 119, 33, 41, 14},
        {NumberDialog::kUpDownId, ControlKind::UpDown, "", 165, 33, 10, 14},
    }};

BuyQuantityDialog::BuyQuantityDialog(const std::string& gbkText, std::int32_t preset, std::int32_t lower,
                                     std::int32_t upper, QWidget* owner)
    : NumberDialog(kTemplate, {kCashAndLimitId, kQuantityEditId}, gbkText, preset, lower, upper, owner)
{
}

} // namespace screens
