#include "engine/ExtractionStatements.h"

#include "engine/AmountExpressions.h"
#include "engine/AttributeColumns.h"
#include "engine/CompetencePeriod.h"
#include "engine/ExtractionStatement.h"
#include "engine/ResultSelects.h"
#include "engine/RowFilter.h"

namespace quorvane {

ExtractionStatements buildExtractionStatements(const ExtractionRequest& request)
{
    const std::optional<CompetencePeriod> period = competencePeriodOf(request.selection);
    const AttributeLists attributes{attributeColumnList(request.headerAttributes, "CO5L_CI12"),
                                    attributeColumnList(request.lineAttributes, "CO5L_CI13")};
    ExtractionStatements statements;
    statements.extraction = extractionStatement(request, period, attributes);
    statements.condition = extractionCondition(statements.extraction);
    const AmountExpressions expressions = amountExpressions(period.has_value(), request.settings);
    statements.rowFilter = rowFilter(request.selection, expressions, request.settings);
    const bool financial = request.settings.financialAccounting;
    statements.finalSelect = finalSelect(expressions, financial, statements.rowFilter);
    statements.totals = totalsSelect(expressions, financial, statements.rowFilter);
    return statements;
}

} // namespace quorvane
