#pragma once
// The question the start screen asks when a game of an earlier run was never finished: go on
// with it (IDOK), or end it as leaving would (IDCANCEL).

#include "screens/MessageDialog.h"

namespace screens {

class ResumeDialog : public MessageDialog {
    Q_OBJECT
public:
    // A template of the game's own, in the look of its news.
    static constexpr int kTemplateId = 150;

    // `day` as the game window's caption counts it.
    explicit ResumeDialog(int day, QWidget* owner = nullptr);
};

} // namespace screens
