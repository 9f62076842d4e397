#pragma once
// The period keys of a date, computed by the server in the extraction so that grouping by week,
// fortnight, month, quarter, four months, half-year or year is a plain equality on an integer column.
// A NULL date gives NULL keys.

#include "engine/StatementText.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

struct PeriodKey {
    const char* suffix;       // of the key's column: SETT, QUIND, MESE, TRIM, QUAD, SEM, ANNO
    std::string expression;   // the server's expression of the key over the date column
};

// The seven keys of the date column, in the working table's column order.
std::vector<PeriodKey> periodKeys(std::string_view dateColumn);

// Appends the seven select-list items of the date column, each named prefix + the period's suffix:
// "DATAREG" over CI12_DATAREG gives DATAREGSETT … DATAREGANNO.
void appendPeriodKeys(StatementText& select, std::string_view dateColumn, std::string_view prefix);

} // namespace quorvane
