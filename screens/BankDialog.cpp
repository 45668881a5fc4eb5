#include "screens/BankDialog.h"

#include "platform/DialogReading.h"
#include "platform/Gbk.h"

using namespace platform;

namespace screens {

const DialogTemplate kBankTemplate{
    BankDialog::kTemplateId, "银行！", 239, 55, 8, true,
    {
        {IDOK, ControlKind::DefaultPushButton, "存  钱", 30, 25, 50, 14},
        {IDCANCEL, ControlKind::PushButton, "取  钱", 160, 25, 50, 14},
        {BankDialog::kGreetingId, ControlKind::Static, "", 5, 10, 225, 8, Centered},
    }};

BankDialog::BankDialog(std::string gbkLine, std::function<void(bool deposit)> onChoice, QWidget* owner)
    : TemplateDialog(kBankTemplate, owner)
    , line_(std::move(gbkLine))
    , onChoice_(std::move(onChoice))
{
}

bool BankDialog::initDialog()
{
    setControlText(kGreetingId, fromGbk(line_));
    describeWithTexts(this);
    return true;
}

void BankDialog::onOk()
{
    choose(true);
}

// Esc and the close box are the withdrawal too: the bank has no way out without a prompt.
void BankDialog::onCancel()
{
    choose(false);
}

void BankDialog::choose(bool deposit)
{
    // One choice per visit: a second close request while the prompt is up must not open another.
    if (chosen_)
        return;
    chosen_ = true;
    if (onChoice_)
        onChoice_(deposit);
    done(deposit ? IDOK : IDCANCEL);
}

} // namespace screens
