#pragma once
// The results of a processing as the window shows them once the display is configured: the group tree with
// every node's totals, and the captions of the totals and summary fields. The command line builds them with
// the window's own engine code: the ordering rows become the break levels and the sort, the tree is built
// from the sorted movement set, each node's totals are those its click would show, and the window's first
// click on node "*1" sets the group totals. With a comparison, the groups found only on the comparison's side
// join the tree and every node carries the comparison's balance.

#include "LedgerSession.h"

#include "db/Recordset.h"
#include "engine/ControlCaptions.h"
#include "engine/GroupTotals.h"
#include "engine/GroupedLedger.h"
#include "engine/LedgerComparison.h"
#include "engine/NodeFigures.h"
#include "engine/SelectionTotals.h"

#include <optional>
#include <vector>

struct LedgerNodeTotals {
    const quorvane::GroupNode* node;
    quorvane::NodeFigures figures;
};

class LedgerDisplay {
public:
    // Leaves the movement set sorted for display and unfiltered. Throws CommandFailure for an ordering that
    // cannot be displayed, and db::Error from the database.
    LedgerDisplay(const LedgerSession& session, db::Recordset& movements, const quorvane::SelectionTotals& totals,
                  quorvane::LedgerComparison* comparison = nullptr);
    LedgerDisplay(const LedgerDisplay&) = delete;
    LedgerDisplay& operator=(const LedgerDisplay&) = delete;

    const quorvane::GroupTree& tree() const { return grouped_.tree(); }
    const quorvane::ArrayRotture& levels() const { return grouped_.configuration().levels; }
    // The comparison's totals of the whole selection, when there is a comparison.
    const std::optional<quorvane::SelectionTotals>& comparisonTotals() const { return comparisonTotals_; }
    // Every node with its totals, in creation order.
    const std::vector<LedgerNodeTotals>& nodeTotals() const { return nodeTotals_; }
    // Every node's figures alone, in creation order.
    std::vector<quorvane::NodeFigures> figures() const;
    const quorvane::ControlCaptions& captions() const { return captions_; }
    // What the account field's description would show for the selection's account.
    const std::string& accountDescription() const { return accountDescription_; }

private:
    void sumEveryNode(db::Recordset& movements, quorvane::LedgerComparison* comparison);

    quorvane::GroupedLedger grouped_;
    std::vector<LedgerNodeTotals> nodeTotals_;
    std::optional<quorvane::SelectionTotals> comparisonTotals_;
    quorvane::ControlCaptions captions_;
    std::string accountDescription_;
};
