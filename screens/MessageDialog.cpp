#include "screens/MessageDialog.h"

#include "platform/DialogReading.h"
#include "platform/Gbk.h"

namespace screens {

MessageDialog::MessageDialog(const platform::DialogTemplate& dialogTemplate, QWidget* owner, std::string gbkText)
    : TemplateDialog(dialogTemplate, owner)
    , text_(std::move(gbkText))
{
}

bool MessageDialog::initDialog()
{
    setControlText(kMessageId, platform::fromGbk(text_));
    platform::describeWithTexts(this);
    // The focus goes to the OK button, the first tab stop, so Enter or Esc closes the dialog.
    return true;
}

} // namespace screens
