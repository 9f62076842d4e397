#pragma once
// What the tree's totals columns show of a node: its group totals, as its click shows them, and the
// comparison's balance when a comparison was processed.

#include "engine/GroupTotals.h"

#include <optional>

namespace quorvane {

struct NodeFigures {
    GroupTotals totals;
    std::optional<db::Decimal> comparison;
};

} // namespace quorvane
