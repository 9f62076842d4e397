#include "export/LedgerWalk.h"

#include "engine/GroupTotals.h"
#include "engine/NodeFilter.h"

namespace quorvane::exporting {
namespace {

// The progress hears of every so many lines: often enough for a bar, rarely enough to cost nothing.
constexpr long progressEvery = 4096;

} // namespace

LedgerWalk::LedgerWalk(const db::Recordset& movements, const GroupTree& tree, const GroupNode* group)
    : movements_(movements), tree_(tree), group_(group)
{
    lines_ = rowsOf(group).RecordCount();
}

// The clone takes the sort before the filter, as a node click does, so the group's rows are found by binary
// search in the display's order.
db::Recordset LedgerWalk::rowsOf(const GroupNode* group) const
{
    db::Recordset rows = movements_.Clone();
    rows.Sort(movements_.sort());
    rows.Filter(group ? movementFilterOf(group->tag) : std::string());
    return rows;
}

void LedgerWalk::run(LedgerSink& sink, ExportProgress& progress)
{
    sink_ = &sink;
    progress_ = &progress;
    written_ = 0;
    if (group_) {
        visit(*group_, 1);
    } else {
        for (const GroupNode* top : tree_.topLevel())
            visit(*top, 1);
        const db::Recordset all = rowsOf(nullptr);
        if (tree_.size() == 0)
            writeLines(all, 0);
        sink.ledgerClosed(sumShownRows(all).sums);
    }
    if (!progress.linesWritten(written_, lines_))
        throw ExportCancelled{};
}

void LedgerWalk::visit(const GroupNode& group, int depth)
{
    sink_->groupOpened(group, depth);
    const db::Recordset rows = rowsOf(&group);
    if (group.children.empty())
        writeLines(rows, depth);
    for (const GroupNode* child : group.children)
        visit(*child, depth + 1);
    sink_->groupClosed(group, depth, sumShownRows(rows).sums);
}

void LedgerWalk::writeLines(const db::Recordset& rows, int depth)
{
    const long count = rows.RecordCount();
    for (long r = 0; r < count; ++r) {
        sink_->line(rows, r, depth);
        if (++written_ % progressEvery == 0 && !progress_->linesWritten(written_, lines_))
            throw ExportCancelled{};
    }
}

} // namespace quorvane::exporting
