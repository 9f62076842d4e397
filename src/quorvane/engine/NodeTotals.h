#pragma once
// The totals of every node of the group tree, each what clicking the node shows: its movement filter on the
// sorted movement set, then the group sums. The tree's totals columns, the command line and the comparison
// all read them from here, so that a node's figure is one figure wherever it appears.

#include "db/Recordset.h"
#include "engine/GroupTotals.h"
#include "engine/GroupTree.h"

#include <string>
#include <vector>

namespace quorvane {

// The sums of the rows each movement filter selects, in the filters' order. The set keeps its own filter.
std::vector<GroupTotals> sumEveryFilter(const db::Recordset& movements, const std::vector<std::string>& filters);

// One entry per node, in creation order.
std::vector<GroupTotals> sumEveryNode(const GroupTree& tree, const db::Recordset& movements);

} // namespace quorvane
