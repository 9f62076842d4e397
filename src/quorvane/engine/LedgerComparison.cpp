#include "engine/LedgerComparison.h"

#include "engine/NodeFilter.h"
#include "engine/NodeTotals.h"

#include <string>
#include <unordered_map>

namespace quorvane {
namespace {

constexpr int towardsSelection = 1;
constexpr int towardsComparison = -1;

} // namespace

LedgerComparison::LedgerComparison(db::Recordset& movements, const SelectionTotals& totals, PeriodShift shift)
    : movements_(movements), totals_(totals), shift_(shift)
{
}

void LedgerComparison::addMissingGroups(GroupedLedger& ledger, const std::vector<OrderingColumn>& rows,
                                        const hostfw::Translator& translator, const GroupCaptions& captions)
{
    if (!ledger.hasGroups())
        return;
    GroupedLedger comparison;
    NoProgress steps;
    NoGroupTreeProgress treeProgress;
    comparison.ConfigurazioneVisualizzazioneMovimenti(rows, movements_, translator, steps);
    comparison.CaricamentoTree(movements_, captions, treeProgress);

    std::unordered_map<std::string, GroupNode*> selectionGroups;
    ledger.model().rebuild([&](GroupTree& tree) {
        for (std::size_t i = 0; i < tree.size(); ++i)
            selectionGroups.emplace(movementFilterOf(tree.node(i).tag), tree.find(tree.node(i).key));
        std::unordered_map<const GroupNode*, GroupNode*> counterpart;
        for (std::size_t i = 0; i < comparison.tree().size(); ++i) {
            const GroupNode& node = comparison.tree().node(i);
            std::string filter = shiftedPeriodFilter(movementFilterOf(node.tag), shift_, towardsSelection);
            GroupNode*& found = selectionGroups[filter];
            if (!found) {
                GroupNode* parent = node.parent ? counterpart[node.parent] : nullptr;
                found = &tree.add(parent, "*" + std::to_string(tree.size() + 1), node.text, filter, node.level);
            }
            counterpart[&node] = found;
        }
    });
}

std::vector<db::Decimal> LedgerComparison::balances(const GroupTree& tree)
{
    std::vector<std::string> filters;
    filters.reserve(tree.size());
    for (std::size_t i = 0; i < tree.size(); ++i)
        filters.push_back(shiftedPeriodFilter(movementFilterOf(tree.node(i).tag), shift_, towardsComparison));
    std::vector<db::Decimal> balances;
    for (const GroupTotals& totals : sumEveryFilter(movements_, filters))
        balances.push_back(totals.sums.balance);
    return balances;
}

std::vector<NodeFigures> nodeFigures(const GroupTree& tree, const db::Recordset& movements,
                                     LedgerComparison* comparison)
{
    const std::vector<GroupTotals> totals = sumEveryNode(tree, movements);
    const std::vector<db::Decimal> balances = comparison ? comparison->balances(tree) : std::vector<db::Decimal>();
    std::vector<NodeFigures> figures;
    figures.reserve(tree.size());
    for (std::size_t i = 0; i < tree.size(); ++i)
        figures.push_back({totals[i], comparison ? std::optional(balances[i]) : std::nullopt});
    return figures;
}

} // namespace quorvane
