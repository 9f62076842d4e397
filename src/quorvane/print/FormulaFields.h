#pragma once
// The database fields ({TABLE.FIELD}) that the formulas written into the printed ledger read, found with
// the report service's own tokenizer so that a brace inside a formula's text literal is not taken for one.

#include "print/ReportFormulas.h"

#include <string>
#include <vector>

namespace quorvane::print {

// "TABLE.FIELD" of every field the main report's formulas read, in order of first reading, each once.
// Throws report::formula::FormulaError for a formula text the report service would refuse.
std::vector<std::string> fieldsRead(const ReportFormulaPlan& plan);

} // namespace quorvane::print
