#include "platform/IntegerExchange.h"

#include "platform/MessageBox.h"

#include <QLineEdit>
#include <limits>

namespace platform {

std::optional<std::int32_t> parseInt32(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    int i = 0;
    bool negative = false;
    if (trimmed[0] == QLatin1Char('-') || trimmed[0] == QLatin1Char('+')) {
        negative = trimmed[0] == QLatin1Char('-');
        i = 1;
    }
    if (i == trimmed.size())
        return std::nullopt;
    // Accumulate in 64 bits so that any value past the 32-bit range is caught before it wraps.
    std::int64_t magnitude = 0;
    for (; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - '0');
        if (magnitude > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(value);
}

QString notAnIntegerMessage()
{
    return QStringLiteral("Please enter an integer.");
}

QString outOfRangeMessage(std::int32_t lower, std::int32_t upper)
{
    return QStringLiteral("Please enter an integer between %1 and %2.").arg(lower).arg(upper);
}

void setEditInteger(QLineEdit* edit, std::int32_t value)
{
    edit->setText(QString::number(value));
}

bool exchangeInteger(QLineEdit* edit, std::int32_t lower, std::int32_t upper, std::int32_t& value)
{
    const std::optional<std::int32_t> number = parseInt32(edit->text());
    QString failure;
    if (!number)
        failure = notAnIntegerMessage();
    else if (*number < lower || *number > upper)
        failure = outOfRangeMessage(lower, upper);
    if (failure.isEmpty()) {
        value = *number;
        return true;
    }
    messageBox(edit->window(), failure, MessageIcon::Warning);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return false;
}

} // namespace platform
