#include "screens/DiaryDialog.h"

using namespace platform;

namespace screens {

const DialogTemplate kDiaryTemplate{
    DiaryDialog::kTemplateId, "我在北京的岁月", 319, 75, 8, true,
    {
        {IDOK, ControlKind::DefaultPushButton, "关上日记本", 128, 55, 75, 14},
        {IDC_STATIC, ControlKind::Picture, "", 3, 5, 41, 51, NoFlags, 141},
        {MessageDialog::kMessageId, ControlKind::Static, "", 65, 26, 250, 8, Centered},
    }};

DiaryDialog::DiaryDialog(const std::string& gbkText, QWidget* owner)
    : MessageDialog(kDiaryTemplate, owner, gbkText)
{
}

} // namespace screens
