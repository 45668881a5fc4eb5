#pragma once
// "给村长还钱": how much of the debt to pay back to the village head.

#include "screens/NumberDialog.h"

namespace screens {

class RepayDialog : public NumberDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 136;
    static constexpr int kVillageHeadLineId = 1043;
    static constexpr int kAmountEditId = 1044;

    // The post office passes 0 and the debt as bounds, and the whole debt as preset.
    RepayDialog(const std::string& gbkText, std::int32_t preset, std::int32_t lower, std::int32_t upper,
                QWidget* owner = nullptr);
};

} // namespace screens
