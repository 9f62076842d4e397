#pragma once
// Writes what the window gives the printed ledger into the report document the report service hands it
// just before printing. A name the report file does not declare is passed over, so a file that asks for
// less than the window offers still prints.

#include "print/ReportFormulas.h"
#include "print/ReportParameters.h"

#include "db/Connection.h"
#include "report/ReportDocument.h"

#include <memory>
#include <vector>

namespace quorvane::print {

// Formula names compare in upper case; the counter-part subreport reads its tables on `connection`, as the
// report itself does.
void writeFormulas(report::ReportDocument& document, const ReportFormulaPlan& plan,
                   const std::shared_ptr<db::Connection>& connection);

// Parameter names compare exactly. Throws std::invalid_argument naming a parameter whose value the
// report refuses (a value of the wrong type).
void writeParameters(report::ReportDocument& document, const std::vector<ReportParameter>& parameters);

} // namespace quorvane::print
