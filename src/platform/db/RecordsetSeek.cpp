#include "RecordsetSeek.h"

#include "RecordsetData.h"
#include "RecordsetFilterOperand.h"
#include "RecordsetOrderKey.h"

#include <algorithm>

namespace db {

namespace {

// One condition on a sort key: equality with a value or NULL, or with NULL or the empty text at once.
struct KeyCondition {
    const RecordsetFilterExpr* equality = nullptr;
    bool orNull = false;
};

bool isEquality(const RecordsetFilterExpr& expr)
{
    return expr.kind == RecordsetFilterExpr::Kind::Clause && expr.op == RecordsetFilterOp::Equal;
}

bool isBlankText(const RecordsetFilterLiteral& literal)
{
    return literal.kind == RecordsetFilterLiteral::Kind::Text
           && literal.text.find_first_not_of(' ') == std::string::npos;
}

bool isBlankOrNull(const Value& operand)
{
    return operand.isNull() || operand.asText().find_first_not_of(' ') == std::string::npos;
}

// "C = NULL OR C = ''": NULL sorts with the empty text, the lowest of texts, so the two form one run.
std::optional<KeyCondition> nullOrEmpty(const RecordsetFilterExpr& expr)
{
    if (expr.kind != RecordsetFilterExpr::Kind::Or || expr.children.size() != 2)
        return std::nullopt;
    const RecordsetFilterExpr& a = expr.children[0];
    const RecordsetFilterExpr& b = expr.children[1];
    if (!isEquality(a) || !isEquality(b) || a.column != b.column)
        return std::nullopt;
    const bool aNull = a.literal.kind == RecordsetFilterLiteral::Kind::Null;
    const RecordsetFilterExpr& text = aNull ? b : a;
    const RecordsetFilterExpr& null = aNull ? a : b;
    if (null.literal.kind != RecordsetFilterLiteral::Kind::Null || !isBlankText(text.literal))
        return std::nullopt;
    return KeyCondition{&text, true};
}

// The key conditions of an AND-only filter, or false when some part is not such a condition.
bool collectEqualities(const RecordsetFilterExpr& expr, std::vector<KeyCondition>& out)
{
    if (isEquality(expr)) {
        out.push_back({&expr, false});
        return true;
    }
    if (auto condition = nullOrEmpty(expr)) {
        out.push_back(*condition);
        return true;
    }
    if (expr.kind != RecordsetFilterExpr::Kind::And)
        return false;
    return std::all_of(expr.children.begin(), expr.children.end(),
                       [&](const RecordsetFilterExpr& child) { return collectEqualities(child, out); });
}

// The condition on each leading sort key, in key order, when the conditions cover exactly those keys.
std::optional<std::vector<KeyCondition>> conditionsOnLeadingKeys(const std::vector<RecordsetSortKey>& keys,
                                                                 const RecordsetFilterExpr& filter)
{
    std::vector<KeyCondition> conditions;
    if (!collectEqualities(filter, conditions) || conditions.size() > keys.size())
        return std::nullopt;
    std::vector<KeyCondition> byKey;
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        auto on = std::find_if(conditions.begin(), conditions.end(),
                               [&](const KeyCondition& c) { return c.equality->column == keys[i].column; });
        if (on == conditions.end())
            return std::nullopt;
        byKey.push_back(*on);
    }
    return byKey;
}

struct Target {
    RecordsetKeyReader reader;
    bool isNull = false;
    bool orNull = false;          // NULL or the value: the value is the empty text, next to NULL
    RecordsetKeyBound bound;
    bool descending = false;

    // Negative when the row sorts before the target on this key; NULLs sort first, as in RecordsetSort.
    int compare(std::uint32_t row) const
    {
        const bool rowNull = reader.isNull(row);
        int c = 0;
        if (orNull)
            c = rowNull || compareToBound(reader.key(row), bound) == 0 ? 0 : 1;
        else
            c = rowNull || isNull ? int(isNull) - int(rowNull) : compareToBound(reader.key(row), bound);
        return descending ? -c : c;
    }
};

} // namespace

RecordsetRun seekRange(const RecordsetData& data, const RecordsetView::Order& sorted,
                       const std::vector<RecordsetSortKey>& keys, const RecordsetFilterExpr& filter)
{
    auto conditions = conditionsOnLeadingKeys(keys, filter);
    if (!conditions)
        return std::nullopt;
    std::vector<Target> targets;
    for (std::size_t i = 0; i < conditions->size(); ++i) {
        const RecordsetFilterExpr& clause = *(*conditions)[i].equality;
        const RecordsetColumn& column = data.column(clause.column);
        Value operand = filterOperand(column.field(), clause.op, clause.literal);
        // A NULL text sorts among the empty texts (RecordsetSort.h): either alone is no run of its own.
        if (column.field().type == DataType::Text && !(*conditions)[i].orNull && isBlankOrNull(operand))
            return std::nullopt;
        Target target{RecordsetKeyReader(column), operand.isNull(), (*conditions)[i].orNull, {}, keys[i].descending};
        if (!target.isNull)
            target.bound = target.reader.bound(operand);
        if (target.bound.justAbove && !target.orNull)
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
