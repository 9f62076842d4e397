#pragma once
// What one print of the ledger hands the report service: the formula texts worked out from the ordering
// grid, and the statement over the report condition that returns every field those formulas read. Both
// are made before printing, so that a field the print could not supply stops it with a clear message
// rather than printing a null in its place.

#include "print/GroupCondition.h"
#include "print/ReportFormulas.h"

#include <string>

namespace quorvane::print {

struct LedgerReportTexts {
    ReportFormulaPlan formulas;
    std::string statement;
};

// Throws std::invalid_argument for a field no table of the statement holds or an attribute name that is
// not a column name, db::Error when a chart's configuration cannot be read.
LedgerReportTexts ledgerReportTexts(const FormulaRequest& request, AccountFormulas& accounts,
                                    const std::string& reportCondition, const AttributeNames& attributes);

} // namespace quorvane::print
