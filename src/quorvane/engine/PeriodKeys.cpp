#include "engine/PeriodKeys.h"

#include <string>

namespace quorvane {

void appendPeriodKeys(StatementText& select, std::string_view dateColumn, std::string_view prefix)
{
    const std::string x(dateColumn);
    const std::string year = "YEAR(" + x + ")";
    const std::string month = "MONTH(" + x + ")";
    const std::string as = std::string(" AS ") + std::string(prefix);
    // Week numbers follow the server's own week settings (weeks start on Sunday, week 1 holds 1 January).
    select.line("   , " + year + " * 100 + DATEPART(WEEK, " + x + ")" + as + "SETT");
    select.line("   , " + year + " * 1000 + " + month + " * 10 + (CASE WHEN DAY(" + x
                + ") <= 15 THEN 1 ELSE 2 END)" + as + "QUIND");
    select.line("   , " + year + " * 100 + " + month + as + "MESE");
    select.line("   , " + year + " * 10 + (CASE WHEN " + month + " <= 3 THEN 1 WHEN " + month + " <= 6 THEN 2 WHEN "
                + month + " <= 9 THEN 3 ELSE 4 END)" + as + "TRIM");
    select.line("   , " + year + " * 10 + (CASE WHEN " + month + " <= 4 THEN 1 WHEN " + month
                + " <= 8 THEN 2 ELSE 3 END)" + as + "QUAD");
    select.line("   , " + year + " * 10 + (CASE WHEN " + month + " <= 6 THEN 1 ELSE 2 END)" + as + "SEM");
    select.line("   , " + year + as + "ANNO");
}

} // namespace quorvane
