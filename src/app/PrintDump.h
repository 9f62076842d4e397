#pragma once
// What `quorvane print --dump` shows instead of printing: the report file, the statement, and every formula
// text, sort direction, area setting and parameter value the print writes into the report document, under
// the names it writes them, as one JSON object.

#include "print/ReportFormulas.h"
#include "print/ReportParameters.h"

#include <QString>

#include <ostream>
#include <string>
#include <vector>

struct LedgerPrintTexts {
    QString reportFile;
    std::string statement;
    quorvane::print::ReportFormulaPlan formulas;
    std::vector<quorvane::print::ReportParameter> parameters;
};

// {"reportFile", "sql", "formulas", "subreportFormulas", "sortFields", "areas", "parameters"}; a password in
// the connection string is masked.
void printLedgerDump(std::ostream& out, const LedgerPrintTexts& texts);
