#include "export/LedgerWalk.h"

#include "engine/GroupTotals.h"
#include "engine/NodeFilter.h"
#include "engine/SelectionTotalsReading.h"

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
        SelectionTotals whole = tree_.size() == 0 ? writeLines(rowsOf(nullptr), 0) : SelectionTotals{};
        for (const GroupNode* top : tree_.topLevel())
            whole = whole + visit(*top, 1);
        sink.ledgerClosed(whole);
    }
    if (!progress.linesWritten(written_, lines_))
        throw ExportCancelled{};
}

// A group's totals are those of its lines, summed as they are written, or of its subgroups, which part its
// lines among them: the sums a click on its node shows, without reading its lines once more.
SelectionTotals LedgerWalk::visit(const GroupNode& group, int depth)
{
    sink_->groupOpened(group, depth);
    SelectionTotals totals;
    if (group.children.empty())
        totals = writeLines(rowsOf(&group), depth);
    for (const GroupNode* child : group.children)
        totals = totals + visit(*child, depth + 1);
    sink_->groupClosed(group, depth, totals);
    return totals;
}

SelectionTotals LedgerWalk::writeLines(const db::Recordset& rows, int depth)
{
    ShownRowsSum sum(rows);
    const long count = rows.RecordCount();
    for (long r = 0; r < count; ++r) {
        sink_->line(rows, r, depth);
        sum.add(rows, r);
        if (++written_ % progressEvery == 0 && !progress_->linesWritten(written_, lines_))
            throw ExportCancelled{};
    }
    return sum.sums();
}

} // namespace quorvane::exporting
