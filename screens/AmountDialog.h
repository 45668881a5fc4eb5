#pragma once
// "现金交易": how much cash the bank moves, into savings or out of them.

#include "screens/NumberDialog.h"

namespace screens {

class AmountDialog : public NumberDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 132;
    static constexpr int kPromptId = 1037;
    static constexpr int kAmountEditId = 1038;

    // The bank passes 0 and the cash (deposit) or the savings (withdrawal) as bounds.
    AmountDialog(const std::string& gbkText, std::int32_t preset, std::int32_t lower, std::int32_t upper,
                 QWidget* owner = nullptr);
};

} // namespace screens
