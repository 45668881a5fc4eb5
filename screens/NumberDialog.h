#pragma once
// The common ground of the dialogs that ask for one whole number: a line of text above an edit
// with arrows beside it. The edit opens with the preset, the arrows run from 1 to the upper
// bound, and OK accepts only a number from the lower to the upper bound.

#include "platform/TemplateDialog.h"

#include <cstdint>
#include <optional>
#include <string>

namespace screens {

class NumberDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    // The arrows of every number dialog carry this id.
    static constexpr int kUpDownId = 1039;

    // Runs the dialog: the accepted number, or nothing when it was cancelled.
    std::optional<std::int32_t> ask();

    // The preset until OK succeeds; the accepted number after it.
    std::int32_t number() const { return number_; }
    std::int32_t lowerBound() const { return lower_; }
    std::int32_t upperBound() const { return upper_; }

protected:
    struct Fields {
        int textId; // the static that shows the question or line
        int editId; // the edit that holds the number
    };

    // `gbkText` is the finished line the static shows.
    NumberDialog(const platform::DialogTemplate& dialogTemplate, Fields fields, const std::string& gbkText,
                 std::int32_t preset, std::int32_t lower, std::int32_t upper, QWidget* owner);

    bool initDialog() override;
    bool exchangeData() override;

private:
    Fields fields_;
    QString text_;
    std::int32_t number_;
    std::int32_t lower_;
    std::int32_t upper_;
};

} // namespace screens
