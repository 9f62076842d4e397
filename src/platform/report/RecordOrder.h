#pragma once
// The order a report prints its records in: the group levels, outermost first, each in its area's
// direction, then the record sort fields, each in its own. The keys are computed once per record into
// the columns of an in-memory record set, which sorts them as the window's grids sort: stably, texts
// without regard to case, NULL before every value when ascending.

#include "report/formula/Evaluator.h"

#include <cstdint>
#include <vector>

namespace report {

struct OrderKey {
    int formula = -1;
    bool descending = false;
};

// `natural` reads the `count` records in the statement's order. Keys whose formula reads no record, or whose
// type cannot be told (a field the statement lacks), cannot order anything and are left out.
std::vector<std::uint32_t> sortRecords(formula::Evaluator& natural, long count, const formula::FormulaSet& formulas,
                                       const std::vector<OrderKey>& keys);

} // namespace report
