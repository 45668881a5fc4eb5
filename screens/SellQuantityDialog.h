#pragma once
// "卖多少？": how many units of a holding to sell, from 0 to all of them.

#include "screens/NumberDialog.h"

namespace screens {

class SellQuantityDialog : public NumberDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 130;
    static constexpr int kPromptId = 1027;
    static constexpr int kQuantityEditId = 1053;

    SellQuantityDialog(const std::string& gbkText, std::int32_t preset, std::int32_t lower, std::int32_t upper,
                       QWidget* owner = nullptr);
};

} // namespace screens
