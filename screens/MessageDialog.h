#pragma once
// The game's one-line message dialogs: a picture, the message in static 1052 and an OK button.

#include "platform/TemplateDialog.h"

#include <string>

namespace screens {

class MessageDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kMessageId = 1052;

    const std::string& text() const { return text_; }

protected:
    MessageDialog(const platform::DialogTemplate& dialogTemplate, QWidget* owner, std::string gbkText);
    bool initDialog() override;

private:
    std::string text_;
};

} // namespace screens
