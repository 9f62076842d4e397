#pragma once
// The walk of an export over the processed ledger: the tree's groups in the tree's order, each group's lines
// as its node click shows them (the node's movement filter on the display's sort), and each group's totals as
// the click sums them. The movement set itself is only read through clones: the window's filter, sort and
// current row stay as they were.

#include "db/Recordset.h"
#include "engine/GroupTree.h"
#include "export/ExportProgress.h"
#include "export/LedgerSink.h"

namespace quorvane::exporting {

// Thrown out of the walk when the progress asks it to stop.
struct ExportCancelled {};

class LedgerWalk {
public:
    // `group` none: the whole ledger (every group of the tree, or every line of an ungrouped ledger, then the
    // selection's totals); otherwise that group alone. All three stay the caller's.
    LedgerWalk(const db::Recordset& movements, const GroupTree& tree, const GroupNode* group);

    // The lines the walk writes.
    long lines() const { return lines_; }

    // Throws ExportCancelled when the progress answers false.
    void run(LedgerSink& sink, ExportProgress& progress);

private:
    db::Recordset rowsOf(const GroupNode* group) const;
    SelectionTotals visit(const GroupNode& group, int depth);
    SelectionTotals writeLines(const db::Recordset& rows, int depth);

    const db::Recordset& movements_;
    const GroupTree& tree_;
    const GroupNode* group_;
    long lines_ = 0;
    long written_ = 0;
    LedgerSink* sink_ = nullptr;
    ExportProgress* progress_ = nullptr;
};

} // namespace quorvane::exporting
