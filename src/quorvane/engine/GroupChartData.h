#pragma once
// What the chart of a group shows: one point per child of the group's node (per top-level group when no node
// is chosen) with its balance and, after a comparison, the comparison's balance; the points read as a time
// series when those children group by a period of a date (months, quarters, …) or by the date itself.

#include "engine/BreakLevels.h"
#include "engine/GroupTree.h"
#include "engine/NodeFigures.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

struct ChartPoint {
    std::string label;                      // the group's value as its caption shows it
    db::Decimal balance;
    std::optional<db::Decimal> comparison;
};

struct GroupChartData {
    std::string title;                      // the group's caption; empty for the whole ledger
    std::vector<ChartPoint> points;         // in the tree's order
    bool timeSeries = false;
    bool comparison = false;
};

// `figures` holds every node's figures in creation order; `group` is a node of the tree, or none.
GroupChartData groupChartData(const GroupTree& tree, const ArrayRotture& levels,
                              const std::vector<NodeFigures>& figures, const GroupNode* group);

} // namespace quorvane
