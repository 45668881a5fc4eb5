#include "screens/BuyQuantityDialog.h"

#include "platform/Gbk.h"

using namespace platform;

namespace {

const DialogTemplate kBuyTemplate{
    BuyQuantityDialog::kTemplateId, "买多少？", 263, 87, 8, false,
    {
        {IDOK, ControlKind::DefaultPushButton, "确  定", 28, 61, 50, 14},
        {IDCANCEL, ControlKind::PushButton, "取  消", 181, 59, 50, 14},
        {IDC_STATIC, ControlKind::Static, "您的现金是", 17, 17, 43, 8},
        {BuyQuantityDialog::kCashAndLimitId, ControlKind::Static, "", 58, 17, 197, 8},
        {IDC_STATIC, ControlKind::Static, "您想买多少？", 63, 37, 51, 8},
        {BuyQuantityDialog::kQuantityEditId, ControlKind::Edit, "", 119, 33, 41, 14},
        {NumberDialog::kUpDownId, ControlKind::UpDown, "", 165, 33, 10, 14},
    }};

} // namespace

BuyQuantityDialog::BuyQuantityDialog(std::int32_t maxQuantity, std::int32_t cash, std::string gbkGoodsName,
                                     QWidget* owner)
    : NumberDialog(kBuyTemplate, {kCashAndLimitId, kQuantityEditId}, cashAndLimitText(cash, maxQuantity, gbkGoodsName),
                   maxQuantity, 0, maxQuantity, owner)
{
}

QString BuyQuantityDialog::cashAndLimitText(std::int32_t cash, std::int32_t quantity, const std::string& gbkGoodsName)
{
    return QString::fromUtf8("%1元人民币,最多可以买%2个").arg(cash).arg(quantity) + fromGbk(gbkGoodsName)
        + QString::fromUtf8("。");
}
