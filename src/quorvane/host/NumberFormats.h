#pragma once
// The display formats of amounts and quantities, built from the company's decimals: digit groups of
// three, then the decimal point and one "0" per decimal.

#include <QString>

namespace quorvane::host {

// "###,###,###,##0", followed by "." and the zeros only when there are decimals.
QString amountFormat(int decimals);

// "###,###,###,##0." and the zeros: with no decimals the format ends with a bare point.
QString quantityFormat(int decimals);

} // namespace quorvane::host
