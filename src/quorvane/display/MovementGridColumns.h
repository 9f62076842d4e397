#pragma once
// The columns of GRD_MOVIMENTI, one movement line a row: the hidden key "ID", the header, the amounts, the
// document and counterpart, the line's accounts and analytic dimensions, the origin and the nature. Columns
// of intercompany structures, sites, project nodes and the unit-price-list module appear only where the
// company uses them; the others keep their order.

#include "controls/DataGridColumn.h"
#include "display/GridLayoutSettings.h"

#include <vector>

namespace quorvane::display {

// Without the attribute columns, which follow them.
std::vector<controls::DataGridColumn> movementGridColumns(const GridLayoutSettings& settings);

} // namespace quorvane::display
