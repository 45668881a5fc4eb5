#include "screens/HighScoreDialog.h"

#include "platform/Gbk.h"
#include "platform/ReportList.h"

using namespace platform;

namespace screens {

namespace {

constexpr const char* kHeading = "都市货郎高手前10名";

const DialogTemplate kHighScoreTemplate{
    HighScoreDialog::kTemplateId, "高手榜", 214, 176, 10, true,
    {
        {IDOK, ControlKind::DefaultPushButton, "OK", 85, 155, 50, 14},
        {HighScoreDialog::kList, ControlKind::ListView, "", 10, 15, 195, 135, TabStop},
        {IDC_STATIC, ControlKind::Static, kHeading, 11, 3, 114, 8},
    }};

struct Column {
    const char* title;
    int widthPixels;
};

const Column kColumns[] = {
    {"名次", 68},
    {"姓名", 100},
    {"金钱", 120},
    {"健康程度", 80},
};

// Place labels of record index 0 to 9.
const char* const kPlaceLabels[score::kScoreRecords] = {
    "第一名", "第二名", "第三名", "第四名", "第五名",
    "第六名", "第七名", "第八名", "第九名", "第十名",
};

} // namespace

HighScoreDialog::HighScoreDialog(const score::ScoreTable& table, int highlightRow, QWidget* owner)
    : TemplateDialog(kHighScoreTemplate, owner)
    , table_(table)
    , highlightRow_(highlightRow)
{
}

bool HighScoreDialog::initDialog()
{
    ReportList* rows = list(kList);
    for (const Column& column : kColumns)
        rows->addColumn(QString::fromUtf8(column.title), units().scalePixelsX(column.widthPixels));
    // Each record goes in at the top, tenth first, so the rows end in record order, best first.
    for (int k = int(score::kScoreRecords) - 1; k >= 0; --k) {
        const score::ScoreEntry& entry = table_[size_t(k)];
        rows->insertRow(0, {QString::fromUtf8(kPlaceLabels[k]), fromGbk(entry.name),
                            QString::number(entry.money), QString::number(entry.health)});
    }
    rows->selectRow(highlightRow_);
    // The heading names the list; as the list opens a screen reader speaks it with the
    // highlighted row, the new result when there is one.
    const QString heading = QString::fromUtf8(kHeading);
    rows->setAccessibleName(heading);
    setAccessibleDescription(heading + QLatin1Char(' ') + rows->spokenRow(highlightRow_));
    return true;
}

} // namespace screens
