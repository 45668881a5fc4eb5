#pragma once
// "银行！": deposit or withdraw. Either choice opens the amount prompt above the still-open
// bank dialog; the bank dialog closes once that prompt is done, so a visit is one transaction.

#include "platform/TemplateDialog.h"

#include <functional>
#include <string>

namespace screens {

class BankDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 133;
    static constexpr int kGreetingId = 1040;

    // "存  钱" or Enter calls onChoice(true) and then closes with IDOK; "取  钱", Esc or the
    // close box call onChoice(false) and then close with IDCANCEL.
    BankDialog(std::string gbkLine, std::function<void(bool deposit)> onChoice, QWidget* owner = nullptr);

protected:
    bool initDialog() override;
    void onOk() override;
    void onCancel() override;

private:
    void choose(bool deposit);

    std::string line_;
    std::function<void(bool deposit)> onChoice_;
    bool chosen_ = false;
};

} // namespace screens
