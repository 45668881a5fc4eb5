#pragma once
// "高手榜": the top-ten list, with the row of a new result selected. Showing it rewrites the
// score file first.

#include "platform/TemplateDialog.h"

#include <cstdint>
#include <string>

class HighScoreDialog : public platform::TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 137;
    static constexpr int kList = 1045;

    explicit HighScoreDialog(QWidget* owner = nullptr);

    // Offers a result to the list; when it is placed, its row is the one selected on opening.
    void addResult(const std::string& gbkName, std::int32_t money, std::int32_t health);
    int highlightRow() const { return highlightRow_; }

    // Saves the list, then shows it. A list that cannot be saved ends the process instead
    // (IDCANCEL if that end comes back).
    int runModal();

protected:
    bool initDialog() override;

private:
    void fillRows();

    int highlightRow_ = 0;
};
