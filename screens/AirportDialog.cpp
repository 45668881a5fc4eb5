#include "screens/AirportDialog.h"

#include "platform/DialogReading.h"

using namespace platform;

namespace screens {

const DialogTemplate kAirportTemplate{
    AirportDialog::kTemplateId, "首都机场", 187, 100, 10, true,
    {
        {IDOK, ControlKind::DefaultPushButton, "OK", 70, 77, 50, 14},
        {IDC_STATIC, ControlKind::Static, "您想飞到美国做国际贸易？", 42, 9, 110, 8, Centered},
        {IDC_STATIC, ControlKind::Static, "或者把您更好的创意告诉我：", 25, 46, 140, 8, Centered},
        {IDC_STATIC, ControlKind::Picture, "", 48, 57, 99, 10, NoFlags, AirportDialog::kBannerBitmap},
        {IDC_STATIC, ControlKind::Static, "即将到来的2.0版本中，您可以在世界各大城市间", 5, 25, 175, 8, Centered},
        {IDC_STATIC, ControlKind::Static, "从事国际贸易。为了更刺激的发财梦，请等待!", 4, 36, 169, 8, Centered},
    }};

AirportDialog::AirportDialog(QWidget* owner)
    : TemplateDialog(kAirportTemplate, owner)
{
    describeWithTexts(this);
}

} // namespace screens
