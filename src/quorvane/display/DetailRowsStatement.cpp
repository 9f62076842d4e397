#include "display/DetailRowsStatement.h"

#include "engine/AmountExpressions.h"
#include "engine/AttributeColumns.h"
#include "engine/CompetenceDays.h"
#include "engine/FromClause.h"
#include "engine/StatementText.h"

namespace quorvane::display {

namespace {

// The line's columns, named as the detail grid knows them; the inner select reads them, the outer passes
// them on.
std::vector<std::string> lineColumns(const DetailRowsRequest& request)
{
    std::vector<std::string> columns{"CI12_DITTA_CG18",    "CI12_NUMREG_CO99",  "CI13_NUMREG_CO99", "CI13_PROGRIGA",
                                     "CI13_CONTO_PC03",    "DESCRCONTO",        "CI13_VDS_PC03",
                                     "DESCRVDS",           "CI13_SEDE_CG31",    "CG42_CONTOPAR_CG24",
                                     "CG42_GRUPPO_CG10",   "DESCRCONTOCOGE",    "INDMODRILEVAZIONE"};
    columns.insert(columns.end(), request.lineAttributes.begin(), request.lineAttributes.end());
    for (const char* column : {"CI12_INDPROVENIENZA", "PC04_CODICE", "PC04_DESCR", "PC04_INDCOSTORIC"})
        columns.push_back(column);
    if (request.settings.intercompany)
        for (const char* column : {"CI13_CODICE_CGC0", "DES_INTERCOMPANY"})
            columns.push_back(column);
    return columns;
}

void innerSelectList(StatementText& select, const DetailRowsRequest& request)
{
    select.line(" SELECT");
    // The detail grid shows the registration number under the line's own column.
    select.line("   CI12_DITTA_CG18, CI12_NUMREG_CO99, CI13_NUMREG_CO99, CI13_PROGRIGA");
    select.line("   , CI13_CONTO_PC03, CONTO.PC03_DESCR AS DESCRCONTO");
    select.line("   , CI13_VDS_PC03, VDS.PC03_DESCR AS DESCRVDS");
    select.line("   , CI13_SEDE_CG31");
    select.line("   , CG42_CONTOPAR_CG24, CG42_GRUPPO_CG10, ISNULL(CG24_DESCR,'')       AS DESCRCONTOCOGE");
    select.line("   , (CASE WHEN CI13_INDMODRILEVAZIONE = 1 THEN 'C' ELSE '' END) AS INDMODRILEVAZIONE");
    const std::string attributes = attributeColumnList(request.lineAttributes, "CO5L_CI13");
    if (!attributes.empty())
        select.line("      " + attributes);
    select.line("   , CI13_IMPORTO, CI13_QTA, CI12_INDPROVENIENZA");
    select.line("   , PC04_VDS.PC04_CODICE, PC04_VDS.PC04_DESCR, PC04_VDS.PC04_INDCOSTORIC");
    if (request.settings.intercompany)
        select.line("   , CI13_CODICE_CGC0, CGC0_DESCR        AS DES_INTERCOMPANY");
    if (request.competence)
        appendCompetenceDays(select, *request.competence, request.settings.defaultCompetenceDate);
}

// The movement's lines that count on the ledger's sides: outflows and inflows in financial cost
// accounting, costs, revenues and adjustments otherwise.
void innerCondition(StatementText& select, const DetailRowsRequest& request, const std::string& registrationNumber)
{
    select.line(" WHERE");
    select.line("   CI12_DITTA_CG18 = " + std::to_string(request.settings.company));
    select.line(" AND   CI12_NUMREG_CO99 = '" + quoteEscaped(registrationNumber) + "'");
    select.line(request.settings.financialAccounting ? "     AND PC04_INDCOSTORIC IN (3,4)"
                                                      : "     AND PC04_INDCOSTORIC IN (0,1,2)");
}

// Debit and credit by the nature's cost-or-revenue indicator; the balance is the amount, negated for a cost.
void outerSelectList(StatementText& select, const DetailRowsRequest& request)
{
    select.line(" SELECT");
    bool first = true;
    for (const std::string& column : lineColumns(request)) {
        select.line((first ? "   RIGHE." : "   , RIGHE.") + column);
        first = false;
    }
    // Pro-rated by the competence days inside the period when there is one, as the working table's amounts.
    const AmountExpressions f = amountExpressions(request.competence.has_value(), request.settings, "RIGHE");
    const bool financial = request.settings.financialAccounting;
    const std::string debitCode = financial ? "= 4" : "= 1";
    const std::string creditCode = financial ? "= 3" : "IN (2, 0)";
    select.line("   , " + f.amount + " AS IMPORTO");
    select.line("   , CASE WHEN RIGHE.PC04_INDCOSTORIC " + debitCode + " THEN " + f.amount + " ELSE 0 END AS DARE");
    select.line("   , CASE WHEN RIGHE.PC04_INDCOSTORIC " + creditCode + " THEN " + f.amount + " ELSE 0 END AS AVERE");
    select.line("   , " + f.quantity + " AS QUANTITA");
    select.line("   , CASE WHEN RIGHE.PC04_INDCOSTORIC = 1 THEN - " + f.amount + " ELSE " + f.amount
                + " END AS SALDO");
}

} // namespace

std::string detailRowsStatement(const DetailRowsRequest& request, const std::string& registrationNumber)
{
    StatementText inner;
    innerSelectList(inner, request);
    const AttributeLists attributes{"", attributeColumnList(request.lineAttributes, "CO5L_CI13")};
    inner.append(extractionFromClause(request.settings, attributes));
    innerCondition(inner, request, registrationNumber);

    StatementText statement;
    outerSelectList(statement, request);
    statement.line(" FROM (").append(inner).line(" ) AS RIGHE");
    statement.line(" ORDER BY   RIGHE.CI13_PROGRIGA");
    return statement.text();
}

} // namespace quorvane::display
