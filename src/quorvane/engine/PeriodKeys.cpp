#include "engine/PeriodKeys.h"

namespace quorvane {

std::vector<PeriodKey> periodKeys(std::string_view dateColumn)
{
    const std::string x(dateColumn);
    const std::string year = "YEAR(" + x + ")";
    const std::string month = "MONTH(" + x + ")";
    // Week numbers follow the server's own week settings (weeks start on Sunday, week 1 holds 1 January).
    return {{"SETT", year + " * 100 + DATEPART(WEEK, " + x + ")"},
            {"QUIND", year + " * 1000 + " + month + " * 10 + (CASE WHEN DAY(" + x + ") <= 15 THEN 1 ELSE 2 END)"},
            {"MESE", year + " * 100 + " + month},
            {"TRIM", year + " * 10 + (CASE WHEN " + month + " <= 3 THEN 1 WHEN " + month + " <= 6 THEN 2 WHEN " + month
                         + " <= 9 THEN 3 ELSE 4 END)"},
            {"QUAD", year + " * 10 + (CASE WHEN " + month + " <= 4 THEN 1 WHEN " + month + " <= 8 THEN 2 ELSE 3 END)"},
            {"SEM", year + " * 10 + (CASE WHEN " + month + " <= 6 THEN 1 ELSE 2 END)"},
            {"ANNO", year}};
}

void appendPeriodKeys(StatementText& select, std::string_view dateColumn, std::string_view prefix)
{
    for (const PeriodKey& key : periodKeys(dateColumn))
        select.line("   , " + key.expression + " AS " + std::string(prefix) + key.suffix);
}

} // namespace quorvane
