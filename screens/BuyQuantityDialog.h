#pragma once
// "买多少？": how many units of a market offer to buy, from 0 to the purchase limit.

#include "screens/NumberDialog.h"

namespace screens {

class BuyQuantityDialog : public NumberDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 131;
    static constexpr int kCashAndLimitId = 1022;
    static constexpr int kQuantityEditId = 1053;

    BuyQuantityDialog(const std::string& gbkText, std::int32_t preset, std::int32_t lower, std::int32_t upper,
                      QWidget* owner = nullptr);
};

} // namespace screens
