#pragma once
// The period keys of a date, computed by the server in the extraction so that grouping by week,
// fortnight, month, quarter, four months, half-year or year is a plain equality on an integer column.
// A NULL date gives NULL keys.

#include "engine/StatementText.h"

#include <string_view>

namespace quorvane {

// Appends the seven select-list items of the date column (SETT, QUIND, MESE, TRIM, QUAD, SEM, ANNO), each
// named prefix + the period's suffix: "DATAREG" over CI12_DATAREG gives DATAREGSETT … DATAREGANNO.
void appendPeriodKeys(StatementText& select, std::string_view dateColumn, std::string_view prefix);

} // namespace quorvane
