#pragma once
// An amount or a quantity of the movement set as the ledger holds it, exactly: a decimal column as it is, a
// float (a quantity or amount the server pro-rated over a competence period) at the six decimals the
// ledger computes with, NULL as 0. The tree's totals, the spreadsheet's cells and the CSV's numbers all
// read a line's amount through here, so the three cannot differ by a binary float's last digit.

#include "db/Value.h"

namespace quorvane {

inline constexpr int ledgerDecimals = 6;

db::Decimal ledgerAmount(const db::Value& value);

// The amount without the trailing zeros beyond `decimals`: "12.50" stays at two decimals, "0.123400" reads
// "0.1234".
db::Decimal withoutTrailingZeros(const db::Decimal& amount, int decimals);

} // namespace quorvane
