#pragma once
// "卖多少？": how many units of a holding to sell, from 0 to all of them.

#include "screens/NumberDialog.h"

#include <string>

class SellQuantityDialog : public NumberDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 130;
    static constexpr int kPromptId = 1027;
    static constexpr int kQuantityEditId = 1053;

    // `gbkPrompt` is the question the rules built, e.g. 您有15个水货手机，想卖出多少？
    SellQuantityDialog(std::int32_t maxQuantity, std::string gbkPrompt, QWidget* owner = nullptr);

    // After IDOK: the accepted quantity.
    std::int32_t quantity() const { return number(); }
    std::int32_t maxQuantity() const { return upperBound(); }
};
