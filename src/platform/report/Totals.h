#pragma once
// The summaries a print keeps while it walks the records: each is a sum of a formula's value over the
// report, the current page or the current group of a level. Every record adds to every summary, whether
// or not the sections that show them print; a page summary starts again on each page, a group summary
// each time its group opens. Read in a detail section, a summary is the running total up to that record.

#include "report/ReportDefinition.h"
#include "report/formula/Evaluator.h"

#include <vector>

namespace report {

class Totals {
public:
    // The slot of a sum of `formula` over `scope` (the same pair shares one slot).
    int add(int formula, SummaryScope scope);

    void accumulate(formula::Evaluator& evaluator);   // at the evaluator's record
    void startPage();
    void startGroup(int level);
    void clear();

    const formula::Number& value(int slot) const { return slots_[static_cast<std::size_t>(slot)].sum; }

private:
    struct Slot {
        int formula;
        SummaryScope scope;
        formula::Number sum;
    };
    void resetWhere(SummaryScope::Kind kind, int level);

    std::vector<Slot> slots_;
};

} // namespace report
