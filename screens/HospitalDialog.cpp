#include "screens/HospitalDialog.h"

using namespace platform;

namespace screens {

const DialogTemplate kTemplate{
    HospitalDialog::kTemplateId, "在医院里", 244, 102, 10, true,
    {
        {IDOK, ControlKind::DefaultPushButton, "确 认", 30, 75, 50, 14},
        {IDCANCEL, ControlKind::PushButton, "你太黑了!俺告你去!", 120, 75, 75, 14},
        {HospitalDialog::kDoctorLineId, ControlKind::Static, "", 7, 25, 233, 8},
        {HospitalDialog::kPointsEditId, ControlKind::Edit, "", 94, 49, 40, 14},
        {NumberDialog::kUpDownId, ControlKind::UpDown, "", 136, 48, 10, 14},
        {IDC_STATIC, ControlKind::Icon, "", 5, 5, 20, 20, NoFlags, HospitalDialog::kDoctorIcon},
        {IDC_STATIC, ControlKind::Static, "治疗点数：", 49, 52, 40, 8},
        {IDC_STATIC, ControlKind::Static, "坚决抵制腐败！每个健康点数俺只收您3500元红包。”", 5, 35, 215, 8},
    }};

HospitalDialog::HospitalDialog(const std::string& gbkText, std::int32_t preset, std::int32_t lower, std::int32_t upper,
                               QWidget* owner)
    : NumberDialog(kTemplate, {kDoctorLineId, kPointsEditId}, gbkText, preset, lower, upper, owner)
{
}

} // namespace screens
