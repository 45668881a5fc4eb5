#pragma once
// "首都机场": the notice that flights abroad come in a later version.

#include "platform/TemplateDialog.h"

namespace screens {

class AirportDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 145;
    static constexpr int kBannerBitmap = 144;

    explicit AirportDialog(QWidget* owner = nullptr);
};

} // namespace screens
