#pragma once
// "北京新闻": the city's news, and the start screen's messages.

#include "screens/MessageDialog.h"

namespace screens {

class NewsDialog : public MessageDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 138;
    explicit NewsDialog(const std::string& gbkText, QWidget* owner = nullptr);
};

} // namespace screens
