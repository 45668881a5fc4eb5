#include "platform/IntegerExchange.h"

#include "platform/MessageBox.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>

namespace platform {

namespace {

constexpr std::int64_t kBeyondInt32 = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 2;

// The text's whole number, held at one past the 32-bit range however long its digits run, so
// that "99999999999" is a number too large rather than no number; nothing for other text.
std::optional<std::int64_t> wholeNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    int i = 0;
    bool negative = false;
    if (!trimmed.isEmpty() && (trimmed[0] == QLatin1Char('-') || trimmed[0] == QLatin1Char('+'))) {
        negative = trimmed[0] == QLatin1Char('-');
        i = 1;
    }
    if (i == trimmed.size())
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        magnitude = std::min(magnitude * 10 + (c.unicode() - '0'), kBeyondInt32);
    }
    return negative ? -magnitude : magnitude;
}

bool fitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

} // namespace

std::optional<std::int32_t> parseInt32(const QString& text)
{
    const std::optional<std::int64_t> number = wholeNumber(text);
    if (!number || !fitsInt32(*number))
        return std::nullopt;
    return std::int32_t(*number);
}

void setEditInteger(QLineEdit* edit, std::int32_t value)
{
    edit->setText(QString::number(value));
}

bool exchangeInteger(QLineEdit* edit, std::int32_t lower, std::int32_t upper, std::int32_t& value)
{
    const std::optional<std::int64_t> number = wholeNumber(edit->text());
    QString failure;
    if (!number)
        failure = QStringLiteral("Please enter an integer.");
    else if (*number < lower || *number > upper)
        failure = QStringLiteral("Please enter an integer between %1 and %2.").arg(lower).arg(upper);
    if (failure.isEmpty()) {
        value = std::int32_t(*number);
        return true;
    }
    messageBox(edit->window(), failure, MessageIcon::Warning);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return false;
}

} // namespace platform
