#pragma once
// What a ledger export writes, in the order of the window's tree: a group's header, its subgroups or its
// lines, its totals; at the end of a whole ledger, the selection's totals. Depth 1 is the outermost group
// exported; lines outside any group (an ungrouped ledger) have depth 0.

#include "db/Recordset.h"
#include "engine/GroupNode.h"
#include "engine/SelectionTotals.h"

namespace quorvane::exporting {

class LedgerSink {
public:
    virtual ~LedgerSink() = default;
    virtual void groupOpened(const GroupNode& group, int depth) = 0;
    // The view row `row` of `rows` (the group's rows under its movement filter).
    virtual void line(const db::Recordset& rows, long row, int depth) = 0;
    virtual void groupClosed(const GroupNode& group, int depth, const SelectionTotals& totals) = 0;
    virtual void ledgerClosed(const SelectionTotals& totals) = 0;
};

} // namespace quorvane::exporting
