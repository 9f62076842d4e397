#pragma once
// The comparison beside a processing: the comparison's movements, grouped as the selection's are, matched
// group by group to the selection's tree. A group is matched by its movement filter with the period keys
// moved by the comparison's shift, so a month meets the same month of last year; a group found on the
// comparison's side only joins the tree, so a cost centre spent last year and not this one, or a budget
// never spent, still shows.

#include "db/Recordset.h"
#include "engine/GroupCaptions.h"
#include "engine/GroupedLedger.h"
#include "engine/NodeFigures.h"
#include "engine/PeriodShift.h"
#include "engine/SelectionTotals.h"

#include <vector>

namespace quorvane {

class LedgerComparison {
public:
    // The comparison's extracted movements and totals; the movements are sorted here as the selection's are.
    LedgerComparison(db::Recordset& movements, const SelectionTotals& totals, PeriodShift shift);

    // Adds to the selection's tree, after the nodes already there under the same parent, a node for every
    // comparison group it lacks. Its filter selects the selection's rows of that group, which are none.
    void addMissingGroups(GroupedLedger& ledger, const std::vector<OrderingColumn>& rows,
                          const hostfw::Translator& translator, const GroupCaptions& captions);

    // The comparison's balance of every node of the tree, in creation order.
    std::vector<db::Decimal> balances(const GroupTree& tree);

    const SelectionTotals& totals() const { return totals_; }

private:
    db::Recordset& movements_;
    const SelectionTotals& totals_;
    PeriodShift shift_;
};

// Every node's figures, in creation order: its totals over the movements and, with a comparison, the
// comparison's balance.
std::vector<NodeFigures> nodeFigures(const GroupTree& tree, const db::Recordset& movements,
                                     LedgerComparison* comparison);

} // namespace quorvane
