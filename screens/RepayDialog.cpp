#include "screens/RepayDialog.h"

using namespace platform;

namespace screens {

const DialogTemplate kTemplate{
    RepayDialog::kTemplateId, "给村长还钱", 187, 98, 8, true,
    {
        {IDOK, ControlKind::DefaultPushButton, "确  定", 35, 80, 50, 14},
        {IDCANCEL, ControlKind::PushButton, "呸!", 115, 80, 50, 14},
        {RepayDialog::kVillageHeadLineId, ControlKind::Static, "", 10, 14, 175, 8, Centered},
        {RepayDialog::kAmountEditId, ControlKind::Edit, "", 71, 38, 49, 14},
        {NumberDialog::kUpDownId, ControlKind::UpDown, "", 128, 40, 6, 10},
        {IDC_STATIC, ControlKind::Static, "您还多少？", 29, 41, 40, 8},
    }};

RepayDialog::RepayDialog(const std::string& gbkText, std::int32_t preset, std::int32_t lower, std::int32_t upper,
                         QWidget* owner)
    : NumberDialog(kTemplate, {kVillageHeadLineId, kAmountEditId}, gbkText, preset, lower, upper, owner)
{
}

} // namespace screens
