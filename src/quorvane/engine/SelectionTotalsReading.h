#pragma once
// The totals statement's one row read as exact decimals, and the totals of a selection read in parts
// added together: sums of exact decimals add up to the sum of the whole, cent for cent.

#include "db/Connection.h"
#include "engine/SelectionTotals.h"

#include <string>

namespace quorvane {

// Zero debit, credit and balance at the amount decimals, zero quantity at six: a selection without lines.
SelectionTotals zeroTotals(int amountDecimals);

SelectionTotals readSelectionTotals(db::Connection& connection, const std::string& totalsStatement, int amountDecimals);

SelectionTotals operator+(const SelectionTotals& a, const SelectionTotals& b);

} // namespace quorvane
