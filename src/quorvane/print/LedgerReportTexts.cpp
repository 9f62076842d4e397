#include "print/LedgerReportTexts.h"

#include "print/FormulaFields.h"
#include "print/ReportStatement.h"

namespace quorvane::print {

LedgerReportTexts ledgerReportTexts(const FormulaRequest& request, AccountFormulas& accounts,
                                    const std::string& reportCondition, const AttributeNames& attributes)
{
    LedgerReportTexts texts;
    texts.formulas = buildFormulaPlan(request, accounts);
    texts.statement = ledgerReportStatement(reportCondition, attributes.header, attributes.line, fieldsRead(texts.formulas));
    return texts;
}

} // namespace quorvane::print
