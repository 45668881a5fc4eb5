#include "screens/NumberDialog.h"

#include "platform/DialogReading.h"
#include "platform/Gbk.h"
#include "platform/IntegerExchange.h"
#include "platform/UpDownControl.h"

#include <QLineEdit>

using namespace platform;

namespace screens {

NumberDialog::NumberDialog(const DialogTemplate& dialogTemplate, Fields fields, const std::string& gbkText,
                           std::int32_t preset, std::int32_t lower, std::int32_t upper, QWidget* owner)
    : TemplateDialog(dialogTemplate, owner)
    , fields_(fields)
    , text_(fromGbk(gbkText))
    , number_(preset)
    , lower_(lower)
    , upper_(upper)
{
}

bool NumberDialog::initDialog()
{
    setEditInteger(edit(fields_.editId), number_);
    setControlText(fields_.textId, text_);
    // Spoken as the dialog opens: the question with its limit.
    describeWithTexts(this);
    nameEditsByTheirLabels(this);
    // The arrows stop at 1 although OK takes the lower bound (0 for most); they take the whole
    // 32-bit bound, so large sums of cash step like small ones.
    if (UpDownControl* arrows = upDown(kUpDownId))
        arrows->setRange(1, upper_);
    // OK is the first tab stop: Enter at once accepts the preset.
    return true;
}

bool NumberDialog::exchangeData()
{
    return exchangeInteger(edit(fields_.editId), lower_, upper_, number_);
}

std::optional<std::int32_t> NumberDialog::ask()
{
    if (runModal() != platform::IDOK)
        return std::nullopt;
    return number_;
}

} // namespace screens
