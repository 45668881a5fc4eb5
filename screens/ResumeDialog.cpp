#include "screens/ResumeDialog.h"

#include "platform/Gbk.h"

using namespace platform;

namespace screens {

const DialogTemplate kResumeTemplate{
    ResumeDialog::kTemplateId, "上次的游戏", 334, 68, 8, true,
    {
        {IDOK, ControlKind::DefaultPushButton, "接着玩", 100, 45, 50, 14},
        {IDCANCEL, ControlKind::PushButton, "不玩了", 190, 45, 50, 14},
        {MessageDialog::kMessageId, ControlKind::Static, "", 45, 23, 280, 8, Centered},
        {IDC_STATIC, ControlKind::Picture, "", 1, 4, 41, 51, NoFlags, 140},
    }};

ResumeDialog::ResumeDialog(int day, QWidget* owner)
    : MessageDialog(kResumeTemplate, owner,
                    utf8ToGbk("上次的游戏还没有结束（第" + std::to_string(day) + "天）。接着玩吗？"))
{
}

} // namespace screens
