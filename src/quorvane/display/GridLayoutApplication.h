#pragma once
// InitGrid's calls on one grid: reset, key field, the columns, close, alignments, decimals, width
// corrections, apply, and last the currency suffix on the amount captions as they then stand.

#include "controls/DataGrid.h"
#include "display/GridLayout.h"

namespace quorvane::display {

void layOutGrid(controls::DataGrid& grid, const GridLayout& layout);

// The currency suffix alone, on the captions the grid shows now.
void addCurrencySuffix(controls::DataGrid& grid, const std::vector<QString>& columns, const QString& currencyText);

} // namespace quorvane::display
