#pragma once
// The amount columns say which currency they are in: the caption gets " (" currency ")" unless it already
// holds the currency text, so laying a grid out again never adds a second suffix.

#include <QString>

namespace quorvane::display {

QString captionWithCurrency(const QString& caption, const QString& currencyText);

} // namespace quorvane::display
