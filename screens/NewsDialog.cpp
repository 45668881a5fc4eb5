#include "screens/NewsDialog.h"

using namespace platform;

namespace screens {

const DialogTemplate kNewsTemplate{
    NewsDialog::kTemplateId, "北京新闻", 334, 68, 8, true,
    {
        {IDOK, ControlKind::DefaultPushButton, "确 定", 145, 45, 50, 14},
        {MessageDialog::kMessageId, ControlKind::Static, "", 45, 23, 280, 8, Centered},
        {IDC_STATIC, ControlKind::Picture, "", 1, 4, 41, 51, NoFlags, 140},
    }};

NewsDialog::NewsDialog(const std::string& gbkText, QWidget* owner)
    : MessageDialog(kNewsTemplate, owner, gbkText)
{
}

} // namespace screens
