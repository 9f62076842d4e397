#include "engine/NodeTotals.h"

#include "engine/NodeFilter.h"

namespace quorvane {

std::vector<GroupTotals> sumEveryFilter(const db::Recordset& movements, const std::vector<std::string>& filters)
{
    // One clone for every filter, sorted as the set: a group's filter on the leading sort keys then finds its
    // rows by binary search.
    db::Recordset groups = movements.Clone();
    groups.Sort(movements.sort());
    std::vector<GroupTotals> totals;
    totals.reserve(filters.size());
    for (const std::string& filter : filters) {
        groups.Filter(filter);
        totals.push_back(sumShownRows(groups));
    }
    return totals;
}

std::vector<GroupTotals> sumEveryNode(const GroupTree& tree, const db::Recordset& movements)
{
    std::vector<std::string> filters;
    filters.reserve(tree.size());
    for (std::size_t i = 0; i < tree.size(); ++i)
        filters.push_back(movementFilterOf(tree.node(i).tag));
    return sumEveryFilter(movements, filters);
}

} // namespace quorvane
