#include "RecordsetSeek.h"

#include "RecordsetData.h"
#include "RecordsetFilterOperand.h"
#include "RecordsetOrderKey.h"

#include <algorithm>

namespace db {

namespace {

// The equality clauses of an AND-only filter, or false when some part is not such a clause.
bool collectEqualities(const RecordsetFilterExpr& expr, std::vector<const RecordsetFilterExpr*>& out)
{
    if (expr.kind == RecordsetFilterExpr::Kind::Clause) {
        out.push_back(&expr);
        return expr.op == RecordsetFilterOp::Equal;
    }
    if (expr.kind != RecordsetFilterExpr::Kind::And)
        return false;
    return std::all_of(expr.children.begin(), expr.children.end(),
                       [&](const RecordsetFilterExpr& child) { return collectEqualities(child, out); });
}

// The clause on each leading sort key, in key order, when the clauses cover exactly those keys.
std::optional<std::vector<const RecordsetFilterExpr*>> clausesOnLeadingKeys(const std::vector<RecordsetSortKey>& keys,
                                                                            const RecordsetFilterExpr& filter)
{
    std::vector<const RecordsetFilterExpr*> clauses;
    if (!collectEqualities(filter, clauses) || clauses.size() > keys.size())
        return std::nullopt;
    std::vector<const RecordsetFilterExpr*> byKey;
    for (std::size_t i = 0; i < clauses.size(); ++i) {
        auto on = std::find_if(clauses.begin(), clauses.end(),
                               [&](const RecordsetFilterExpr* c) { return c->column == keys[i].column; });
        if (on == clauses.end())
            return std::nullopt;
        byKey.push_back(*on);
    }
    return byKey;
}

struct Target {
    RecordsetKeyReader reader;
    bool isNull = false;
    RecordsetKeyBound bound;
    bool descending = false;

    // Negative when the row sorts before the target on this key; NULLs sort first, as in RecordsetSort.
    int compare(std::uint32_t row) const
    {
        bool rowNull = reader.isNull(row);
        int c = rowNull || isNull ? int(isNull) - int(rowNull) : compareToBound(reader.key(row), bound);
        return descending ? -c : c;
    }
};

} // namespace

RecordsetRun seekRange(const RecordsetData& data, const RecordsetView::Order& sorted,
                       const std::vector<RecordsetSortKey>& keys, const RecordsetFilterExpr& filter)
{
    auto clauses = clausesOnLeadingKeys(keys, filter);
    if (!clauses)
        return std::nullopt;
    std::vector<Target> targets;
    for (std::size_t i = 0; i < clauses->size(); ++i) {
        const RecordsetFilterExpr& clause = *(*clauses)[i];
        const RecordsetColumn& column = data.column(clause.column);
        Value operand = filterOperand(column.field(), clause.op, clause.literal);
        Target target{RecordsetKeyReader(column), false, {}, keys[i].descending};
        target.isNull = operand.isNull() && column.field().type != DataType::Text;
        if (!target.isNull)
            target.bound = target.reader.bound(operand);
        if (target.bound.justAbove)
            return RecordsetRun::value_type{0, 0};   // no row can equal a value between two keys
        targets.push_back(std::move(target));
    }
    auto compareRow = [&](std::uint32_t row) {
        for (const auto& target : targets)
            if (int c = target.compare(row); c != 0)
                return c;
        return 0;
    };
    auto first = std::partition_point(sorted.begin(), sorted.end(),
                                      [&](std::uint32_t row) { return compareRow(row) < 0; });
    auto last = std::partition_point(first, sorted.end(), [&](std::uint32_t row) { return compareRow(row) == 0; });
    return RecordsetRun::value_type{std::size_t(first - sorted.begin()), std::size_t(last - sorted.begin())};
}

} // namespace db
