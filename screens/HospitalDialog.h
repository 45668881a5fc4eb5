#pragma once
// "在医院里": how many health points to buy from the doctor.

#include "screens/NumberDialog.h"

namespace screens {

class HospitalDialog : public NumberDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 135;
    static constexpr int kDoctorLineId = 1041;
    static constexpr int kPointsEditId = 1042;
    static constexpr int kDoctorIcon = 134;

    // The hospital passes 1 and 100 − health as bounds, so health never passes 100.
    HospitalDialog(const std::string& gbkText, std::int32_t preset, std::int32_t lower, std::int32_t upper,
                   QWidget* owner = nullptr);
};

} // namespace screens
