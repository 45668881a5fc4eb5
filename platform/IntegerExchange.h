#pragma once
// Whole-number data exchange of a dialog's edit: read as a signed 32-bit integer, check the
// bounds, and on failure tell the player, put the focus back into the edit and keep the dialog open.

#include <QString>
#include <cstdint>
#include <optional>

class QLineEdit;

namespace platform {

// The edit's text as a signed 32-bit integer. Blanks around the number are allowed; anything
// else (empty, letters, "12abc", a value beyond 32 bits) gives nothing.
std::optional<std::int32_t> parseInt32(const QString& text);

// Shows a number in an edit the way the exchange writes it: plain decimal.
void setEditInteger(QLineEdit* edit, std::int32_t value);

// Reads `edit` into `value` if it holds an integer from `lower` to `upper`. Otherwise shows the
// matching message (a whole number of any length outside the bounds gets the bounds), selects
// the edit's text with the focus in it, and returns false.
bool exchangeInteger(QLineEdit* edit, std::int32_t lower, std::int32_t upper, std::int32_t& value);

} // namespace platform
