#pragma once
// The condition that the limits grid and the account filter grid add to the extraction. Each filled row
// of a grid yields its own condition over its column; the window only combines them: rows on one column
// are alternatives (OR), different columns all apply (AND).

#include "controls/QueryRowDefinition.h"
#include "selection/SelectionParameters.h"

#include <string>
#include <vector>

namespace quorvane {

// The grid's condition rows for the record's filled rows, in the grid's order whatever the record's, as
// the window yields them; rows without a value yield none.
// Throws GridRowError for a caption the offer lacks and for a value its row refuses.
std::vector<controls::QueryConditionRow> conditionRows(const std::vector<LimitRow>& rows,
                                                       const controls::QueryOffer& offer, const char* gridName);

// The limits grid's condition: customer and supplier rows each within their kind of account holder, rows on
// one column OR-ed in the order they come, the columns' parts joined by " AND ", and the header's site
// read from the line (CI13_SEDE_CG31). "" when no row is filled.
std::string ProcessaLimitiAdvancedQuery(const std::vector<controls::QueryConditionRow>& rows);

// The account filter grid's condition: the same combination, without special rows or replacement.
std::string ProcessaLimitiSelezionaAvanzata(const std::vector<controls::QueryConditionRow>& rows);

} // namespace quorvane
