#pragma once
// "关于都市货郎记": the game's name, version, a few words about it, and a hidden credit button.

#include "platform/TemplateDialog.h"

namespace screens {

class AboutDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 100;
    // The tiny button beside the icon that shows who made the game.
    static constexpr int kCreditButton = 1029;

    explicit AboutDialog(QWidget* owner = nullptr);

    // The one line the credit button shows.
    static QString creditText();

private:
    void showCredit();
};

} // namespace screens
