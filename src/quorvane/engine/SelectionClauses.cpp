#include "engine/SelectionClauses.h"

#include "engine/SqlLiterals.h"

#include <QString>

namespace quorvane {

namespace {

void operationKind(StatementText& where, const std::string& kind)
{
    // These two are appended without a line end: the next clause follows on the same line.
    if (kind == "0")
        where.bare(" AND CI03_INDOPERAZIONE = 0 ");
    else if (kind == "1")
        where.bare(" AND CI03_INDOPERAZIONE = 1 ");
}

// The chart, then the account or item: the exact code when the field holds a complete one, otherwise every
// code beginning with what the user typed (an empty code selects the whole chart).
void singleAccount(StatementText& where, const SelectionParameters& selection, const EngineSettings& settings)
{
    const bool byCostCentre = selection.CBO_SELCONTOVDS == "0";
    if (!byCostCentre && selection.CBO_SELCONTOVDS != "1")
        return;
    const std::string chart = std::to_string(byCostCentre ? settings.costCentreChart : settings.expenseItemChart);
    const std::string column = byCostCentre ? "CI13_CONTO_PC03" : "CI13_VDS_PC03";
    where.line((byCostCentre ? "   AND CI13_CODPDC_PC01 = " : "   AND CI13_CODVDS_PC01 = ") + chart);
    const std::string code = quoteEscaped(selection.TXT_CONTO);
    if (selection.contoComplete)
        where.line("   AND " + column + " = '" + code + "'");
    else
        where.line("   AND " + column + " LIKE '" + code + "%'");
}

// One part of an extraction run in parts: only the registrations of its range.
void registrationRange(StatementText& where, const RegistrationRange& range)
{
    if (range.first)
        where.line("   AND CI12_NUMREG_CO99 >= '" + quoteEscaped(*range.first) + "'");
    if (range.next)
        where.line("   AND CI12_NUMREG_CO99 < '" + quoteEscaped(*range.next) + "'");
}

// A line is kept unless its whole competence lies before the period or after it.
void competenceOverlap(StatementText& where, const CompetencePeriod& period, const std::string& d)
{
    const std::string start = "ISNULL(CI13_DADATACOMP, " + d + ")";
    const std::string end = "ISNULL(CI13_ADATACOMP, " + d + ")";
    where.line("   AND NOT (((" + start + " < '" + period.firstSql + "') AND (" + end + " < '" + period.firstSql
               + "')) OR ((" + start + " > '" + period.lastSql + "') AND (" + end + " > '" + period.lastSql
               + "'))) -- Periodo di competenza");
}

} // namespace

StatementText registrationDateClause(const SelectionParameters& selection)
{
    const auto& from = selection.TXT_DATAREGDA;
    const auto& to = selection.TXT_DATAREGA;
    StatementText where;
    if (from && to)
        where.line("   AND CI12_DATAREG BETWEEN '" + sqlDate(*from) + "' AND '" + sqlDate(*to) + "'");
    else if (from)
        where.line("   AND CI12_DATAREG >= '" + sqlDate(*from) + "'");
    else if (to)
        where.line("   AND CI12_DATAREG <= '" + sqlDate(*to) + "'");
    return where;
}

std::string movementTypeClause(const std::string& selectorCondition)
{
    return "   AND "
         + QString::fromStdString(selectorCondition)
               .replace(QStringLiteral("CGT0_CODICE"), QStringLiteral("CI12_INDTIPOMOV"), Qt::CaseInsensitive)
               .toStdString();
}

StatementText extractionWhereClause(const ExtractionRequest& request, const std::optional<CompetencePeriod>& period)
{
    const SelectionParameters& selection = request.selection;
    const EngineSettings& settings = request.settings;
    StatementText where;
    where.line(" WHERE");
    where.line("   CI12_DITTA_CG18 = " + std::to_string(settings.company));
    registrationRange(where, request.registrations);
    operationKind(where, selection.CBO_INDOPERAZIONE);
    singleAccount(where, selection, settings);
    where.line(movementTypeClause(request.movementTypeCondition));
    // Only lines with sign 0 count in the ledger.
    where.line("   AND CI13_SEGNO IN (").line("0").line(")");
    where.append(registrationDateClause(selection));
    if (period)
        competenceOverlap(where, *period, settings.defaultCompetenceDate);
    // Financial cost accounting books outflows and inflows; the other kind costs, revenues and adjustments.
    where.line(settings.financialAccounting ? "     AND PC04_INDCOSTORIC IN (3,4)" : "     AND PC04_INDCOSTORIC IN (0,1,2)");
    if (!request.limitsCondition.empty())
        where.line("   AND " + request.limitsCondition);
    if (selection.CBO_SELCONTOVDS == "2" && !request.accountFilterCondition.empty())
        where.line("   AND " + request.accountFilterCondition);
    return where;
}

} // namespace quorvane
