#include "engine/ResultSelects.h"

#include "engine/LedgerSides.h"
#include "engine/StatementText.h"

namespace quorvane {

namespace {

void fromWorkingTable(StatementText& select, const std::string& rowFilter)
{
    select.line(" FROM");
    select.line("   #MOVIMENTI");
    if (!rowFilter.empty())
        select.line(" WHERE").line(rowFilter);
}

} // namespace

std::string finalSelect(const AmountExpressions& x, bool financialAccounting, const std::string& rowFilter)
{
    const LedgerSides sides = ledgerSides(financialAccounting);
    StatementText select;
    select.line(" SELECT");
    select.line("   *");
    select.line("   , " + x.amount + " AS IMPORTO");
    select.line("   , CASE  ").line(sides.debitWhen).line("  " + x.amount).line("     ELSE 0 END AS DARE");
    select.line(" , CASE    ").line(sides.creditWhen).line("  " + x.amount).line("     ELSE 0 END AS AVERE");
    // The balance is credit less debit: a row counts on one side only.
    select.line("   , - (CASE  ").line(sides.debitWhen).line("  " + x.amount).line("     ELSE 0 END) ");
    select.line("  + (CASE").line(sides.creditWhen).line("  " + x.amount).line("     ELSE 0 END) AS SALDO");
    select.line("   , " + x.quantity + " AS QUANTITA");
    fromWorkingTable(select, rowFilter);
    return select.text();
}

std::string totalsSelect(const AmountExpressions& x, bool financialAccounting, const std::string& rowFilter)
{
    const LedgerSides sides = ledgerSides(financialAccounting);
    StatementText select;
    select.line(" SELECT");
    // The first sum opens the list, so it has no leading comma.
    select.line("     SUM(CASE ").line(sides.debitWhen).line("               ISNULL(" + x.amount + ", 0) ELSE 0 END) AS DARE");
    select.line("   , SUM(CASE ").line(sides.creditWhen).line("               ISNULL(" + x.amount + ", 0) ELSE 0 END) AS AVERE");
    select.line("   , SUM(ISNULL(" + x.quantity + ", 0)) AS QUANTITA");
    fromWorkingTable(select, rowFilter);
    return select.text();
}

} // namespace quorvane
