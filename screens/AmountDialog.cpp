#include "screens/AmountDialog.h"

using namespace platform;

namespace screens {

const DialogTemplate kTemplate{
    AmountDialog::kTemplateId, "现金交易", 187, 100, 8, true,
    {
        {IDOK, ControlKind::DefaultPushButton, "确认交易", 15, 75, 50, 14},
        {IDCANCEL, ControlKind::PushButton, "取消交易", 125, 75, 50, 14},
        {AmountDialog::kPromptId, ControlKind::Static, "", 10, 20, 75, 8},
        {AmountDialog::kAmountEditId, ControlKind::Edit, "", 86, 16, 44, 14},
        {NumberDialog::kUpDownId, ControlKind::UpDown, "", 133, 16, 10, 14},
    }};

AmountDialog::AmountDialog(const std::string& gbkText, std::int32_t preset, std::int32_t lower, std::int32_t upper,
                           QWidget* owner)
    : NumberDialog(kTemplate, {kPromptId, kAmountEditId}, gbkText, preset, lower, upper, owner)
{
}

} // namespace screens
