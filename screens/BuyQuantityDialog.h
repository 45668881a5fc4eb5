#pragma once
// "买多少？": how many units of a market offer to buy, from 0 to the purchase limit.

#include "screens/NumberDialog.h"

#include <string>

class BuyQuantityDialog : public NumberDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 131;
    static constexpr int kCashAndLimitId = 1022;
    static constexpr int kQuantityEditId = 1053;

    // The entry opens at the limit, so Enter buys as many as allowed.
    BuyQuantityDialog(std::int32_t maxQuantity, std::int32_t cash, std::string gbkGoodsName, QWidget* owner = nullptr);

    // After IDOK: the accepted quantity.
    std::int32_t quantity() const { return number(); }
    std::int32_t maxQuantity() const { return upperBound(); }

    // The line beside "您的现金是", e.g. 2000元人民币,最多可以买4个进口香烟。
    static QString cashAndLimitText(std::int32_t cash, std::int32_t quantity, const std::string& gbkGoodsName);
};
