#include "screens/SellQuantityDialog.h"

using namespace platform;

namespace screens {

const DialogTemplate kTemplate{
    SellQuantityDialog::kTemplateId, "卖多少？", 263, 87, 8, false,
    {
        {IDOK, ControlKind::DefaultPushButton, "确 定", 28, 61, 50, 14},
        {IDCANCEL, ControlKind::PushButton, "放 弃", 181, 59, 50, 14},
        {SellQuantityDialog::kPromptId, ControlKind::Static, "", 5, 17, 250, 8, Centered},
        {IDC_STATIC, ControlKind::Static, "您想卖出多少？", 70, 37, 57, 8},
        {SellQuantityDialog::kQuantityEditId, ControlKind::Edit, "", 127, 33, 40, 14},
        {NumberDialog::kUpDownId, ControlKind::UpDown, "", 171, 33, 10, 14},
    }};

SellQuantityDialog::SellQuantityDialog(const std::string& gbkText, std::int32_t preset, std::int32_t lower,
                                       std::int32_t upper, QWidget* owner)
    : NumberDialog(kTemplate, {kPromptId, kQuantityEditId}, gbkText, preset, lower, upper, owner)
{
}

} // namespace screens
