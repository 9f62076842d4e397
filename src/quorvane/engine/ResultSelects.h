#pragma once
// The two statements over #MOVIMENTI once it is filled: the final select that the movement set is opened
// on (every column plus the shown amount, debit, credit, balance and quantity), and the totals select that
// sums the same figures on the server rather than by a scan of the movement set.

#include "engine/AmountExpressions.h"

#include <string>

namespace quorvane {

// rowFilter: the amount and quantity condition, "" for none.
std::string finalSelect(const AmountExpressions& expressions, bool financialAccounting, const std::string& rowFilter);
std::string totalsSelect(const AmountExpressions& expressions, bool financialAccounting, const std::string& rowFilter);

} // namespace quorvane
