#pragma once
// "高手榜": the top-ten list, with the row of a new result selected.

#include "platform/TemplateDialog.h"
#include "score/ScoreTable.h"

namespace screens {

class HighScoreDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 137;
    static constexpr int kList = 1045;

    // Shows `table` with row `highlightRow` selected.
    explicit HighScoreDialog(const score::ScoreTable& table, int highlightRow = 0, QWidget* owner = nullptr);

protected:
    bool initDialog() override;

private:
    score::ScoreTable table_;
    int highlightRow_;
};

} // namespace screens
