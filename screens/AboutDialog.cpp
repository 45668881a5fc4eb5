#include "screens/AboutDialog.h"

#include "platform/MessageBox.h"

#include <QPushButton>

using namespace platform;

namespace screens {

const DialogTemplate kAboutTemplate{
    AboutDialog::kTemplateId, "关于都市货郎记", 217, 183, 8, true,
    {
        {IDC_STATIC, ControlKind::Icon, "", 6, 8, 20, 20, NoFlags, 128},
        {IDOK, ControlKind::DefaultPushButton, "OK", 95, 160, 32, 14},
        {IDC_STATIC, ControlKind::Static, "都市货郎记", 85, 9, 55, 8},
        {IDC_STATIC, ControlKind::Static, "V 1.0.3版，build 0101", 64, 23, 89, 8},
        {IDC_STATIC, ControlKind::Static, "本游戏描述的场景与现实无任何关系。", 47, 52, 153, 8},
        {IDC_STATIC, ControlKind::Static, "", 10, 70, 204, 8},
        {IDC_STATIC, ControlKind::Static, "", 10, 84, 186, 8},
        {AboutDialog::kCreditButton, ControlKind::PushButton, "作者", 15, 25, 6, 6, StaticEdge},
        {IDC_STATIC, ControlKind::Static, "四十天里穿梭北京地铁，低买高卖，还清欠债。", 21, 36, 189, 8},
        {IDC_STATIC, ControlKind::Static, "买卖看行情，存钱去银行，", 19, 100, 179, 8, Centered},
        {IDC_STATIC, ControlKind::Static, "健康要保重，债务早还清。", 9, 113, 191, 8, Centered},
        {IDC_STATIC, ControlKind::Picture, "", 47, 127, 99, 12, NoFlags, 144},
        {IDC_STATIC, ControlKind::Static, "祝您早日登上高手榜！", 5, 143, 200, 8, Centered},
    }};

AboutDialog::AboutDialog(QWidget* owner)
    : TemplateDialog(kAboutTemplate, owner)
{
    // A push button takes the second press of a double-click as another click, so a
    // double-click reaches the credit too.
    connect(button(kCreditButton), &QPushButton::clicked, this, &AboutDialog::showCredit);
}

QString AboutDialog::creditText()
{
    return QString::fromUtf8("都市货郎记：程序、图画和文字都出自本游戏制作组之手。");
}

void AboutDialog::showCredit()
{
    messageBox(this, creditText(), MessageIcon::None);
}

} // namespace screens
