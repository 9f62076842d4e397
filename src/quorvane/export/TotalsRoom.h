#pragma once
// Room in the amount and quantity columns for the totals they hold. A grid's column is as wide as its
// lines need; a total of many lines has more digits, and a spreadsheet shows "###" for a number its column
// cannot hold. No group's total exceeds the sum of its lines' magnitudes, nor the balance the two sides'
// together, so columns wide enough for those hold every total of the ledger, converted as the window's
// totals are.

#include "db/Recordset.h"
#include "engine/Countervalue.h"
#include "export/ExportColumns.h"

namespace quorvane::exporting {

// The columns, the debit, credit, balance and quantity ones widened where their largest total needs it.
ExportColumns withRoomForTotals(ExportColumns columns, const db::Recordset& movements,
                                const Countervalue& countervalue);

} // namespace quorvane::exporting
