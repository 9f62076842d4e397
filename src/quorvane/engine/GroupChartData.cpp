#include "engine/GroupChartData.h"

#include "engine/PeriodColumns.h"

#include <unordered_map>

namespace quorvane {
namespace {

// A caption reads 'Level: "value" - description': the chart's axis shows the value.
std::string valueOf(const std::string& caption)
{
    const std::size_t open = caption.find('"');
    const std::size_t close = open == std::string::npos ? open : caption.find('"', open + 1);
    return close == std::string::npos ? caption : caption.substr(open + 1, close - open - 1);
}

bool groupsByDate(const ArrayRotture& levels, int level)
{
    if (level < 1 || level > static_cast<int>(levels.size()))
        return false;
    const Rottura& below = levels[static_cast<std::size_t>(level) - 1];
    return below.DataPiena || periodCaptionOf(below.Campo).has_value();
}

} // namespace

GroupChartData groupChartData(const GroupTree& tree, const ArrayRotture& levels,
                              const std::vector<NodeFigures>& figures, const GroupNode* group)
{
    std::unordered_map<const GroupNode*, std::size_t> numbers;
    for (std::size_t i = 0; i < tree.size(); ++i)
        numbers.emplace(&tree.node(i), i);
    const std::vector<GroupNode*>& children = group ? group->children : tree.topLevel();
    GroupChartData chart;
    chart.title = group ? group->text : std::string();
    chart.timeSeries = !children.empty() && groupsByDate(levels, children.front()->level);
    for (const GroupNode* child : children) {
        const NodeFigures& figure = figures.at(numbers.at(child));
        chart.points.push_back({valueOf(child->text), figure.totals.sums.balance, figure.comparison});
        chart.comparison = chart.comparison || figure.comparison.has_value();
    }
    return chart;
}

} // namespace quorvane
