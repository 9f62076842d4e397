#pragma once
// The five texts one processing is made of, built together from one request so that the window, the
// command line and printing all see the very same statements.

#include "engine/ExtractionRequest.h"

#include <string>

namespace quorvane {

struct ExtractionStatements {
    std::string extraction;   // SELECT … INTO #MOVIMENTI
    std::string condition;    // the extraction's tail from its first WHERE, kept for printing
    std::string finalSelect;  // the movement set's statement over #MOVIMENTI
    std::string totals;       // the totals' statement over #MOVIMENTI
    std::string rowFilter;    // the amount and quantity condition, "" for none
};

// Throws std::invalid_argument for a selection that cannot make a statement (a competence month that is
// not a month, an amount that is not a number, an attribute name that is not a column name).
ExtractionStatements buildExtractionStatements(const ExtractionRequest& request);

} // namespace quorvane
