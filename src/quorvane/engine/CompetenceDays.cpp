#include "engine/CompetenceDays.h"

namespace quorvane {

void appendCompetenceDays(StatementText& select, const CompetencePeriod& period, const std::string& defaultDate)
{
    const std::string s = "ISNULL(CI13_DADATACOMP, " + defaultDate + ")";
    const std::string e = "ISNULL(CI13_ADATACOMP, " + defaultDate + ")";
    const std::string p1 = "'" + period.firstSql + "'";
    const std::string p2 = "'" + period.lastSql + "'";
    const std::string p1Date = "CAST(" + p1 + " AS DATETIME)";
    const std::string p2Date = "CAST(" + p2 + " AS DATETIME)";
    const auto days = [](const std::string& from, const std::string& to) {
        return "DATEDIFF(dd, " + from + ", " + to + ") + 1";
    };
    select.line("   , " + days(s, e) + " AS TOTGGCOMP");
    // The tests run in this order: the line covers the period, lies inside it, overlaps its start, overlaps
    // its end; a line wholly outside is already excluded by the competence clause of the WHERE.
    select.line("   , (CASE WHEN " + s + " <= " + p1 + " AND " + e + " >= " + p2 + " THEN " + days(p1Date, p2Date));
    select.line("           WHEN " + s + " > " + p1 + " AND " + e + " < " + p2 + " THEN " + days(s, e));
    select.line("           WHEN " + s + " <= " + p1 + " AND " + e + " >= " + p1 + " THEN " + days(p1Date, e));
    select.line("           WHEN " + s + " <= " + p2 + " AND " + e + " >= " + p2 + " THEN " + days(s, p2Date));
    select.line("           ELSE 0 END) AS GGCOMP");
}

} // namespace quorvane
