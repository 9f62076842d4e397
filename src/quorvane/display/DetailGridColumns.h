#pragma once
// The columns of GRD_DETTAGLIO, one line of the current movement a row: its accounts, the general-ledger
// counter-account, the amounts, how the line was detected, its origin and the nature of its expense item.
// The line number is the hidden key column.

#include "controls/DataGridColumn.h"
#include "display/GridLayoutSettings.h"

#include <vector>

namespace quorvane::display {

// Without the attribute columns, which follow them.
std::vector<controls::DataGridColumn> detailGridColumns(const GridLayoutSettings& settings);

} // namespace quorvane::display
