#pragma once
// "我在北京的岁月": the player's diary, which tells every other message of the game.

#include "screens/MessageDialog.h"

namespace screens {

class DiaryDialog : public MessageDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 142;
    explicit DiaryDialog(const std::string& gbkText, QWidget* owner = nullptr);
};

} // namespace screens
