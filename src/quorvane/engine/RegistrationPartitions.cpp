#include "engine/RegistrationPartitions.h"

#include "engine/SelectionClauses.h"
#include "engine/StatementText.h"

namespace quorvane {

namespace {

// The lines of each registration of the company within the selection's registration dates, in the
// registration order the ranges' conditions compare by. The other conditions are left out: they cost
// as much as the extraction itself, and dates are what concentrates a selection on some registrations.
std::string lineCountsStatement(const ExtractionRequest& request)
{
    StatementText select;
    select.line("SELECT CI12_NUMREG_CO99 AS NUMREG, COUNT(*) AS RIGHE");
    select.line("FROM   CI12_MOVTESTATA            WITH (NOLOCK)");
    select.line("INNER  JOIN   CI13_MOVCORPO       WITH (NOLOCK)");
    select.line("ON      CI12_DITTA_CG18 = CI13_DITTA_CG18");
    select.line("AND     CI12_NUMREG_CO99 = CI13_NUMREG_CO99");
    select.line(" WHERE");
    select.line("   CI12_DITTA_CG18 = " + std::to_string(request.settings.company));
    select.line("   AND CI13_SEGNO = 0");
    select.append(registrationDateClause(request.selection));
    select.line("GROUP BY CI12_NUMREG_CO99");
    select.line("ORDER BY CI12_NUMREG_CO99");
    return select.text();
}

} // namespace

std::vector<RegistrationRange> registrationPartitions(db::Connection& connection, const ExtractionRequest& request,
                                                      int count)
{
    db::Recordset registrations = connection.Open(lineCountsStatement(request));
    const int numbers = registrations.fieldIndex("NUMREG");
    const int lines = registrations.fieldIndex("RIGHE");
    const long rows = registrations.RecordCount();
    long long total = 0;
    for (long row = 0; row < rows; ++row)
        total += registrations.valueAt(row, lines).asInt();

    // A range closes before the registration that would carry its lines past its share of the total.
    std::vector<RegistrationRange> ranges(1);
    long long counted = 0;
    for (long row = 0; row < rows && static_cast<int>(ranges.size()) < count; ++row) {
        const long long share = total * static_cast<long long>(ranges.size()) / count;
        if (counted >= share && counted > 0) {
            const std::string number = registrations.valueAt(row, numbers).asText();
            ranges.back().next = number;
            ranges.push_back({number, std::nullopt});
        }
        counted += registrations.valueAt(row, lines).asInt();
    }
    return ranges;
}

} // namespace quorvane
