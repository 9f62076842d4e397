#include "RecordsetFilterPredicate.h"

#include "RecordsetData.h"
#include "RecordsetFilterOperand.h"
#include "RecordsetTextFold.h"

#include <algorithm>

namespace db {

namespace {

bool holds(RecordsetFilterOp op, int comparison)
{
    switch (op) {
    case RecordsetFilterOp::Equal: return comparison == 0;
    case RecordsetFilterOp::NotEqual: return comparison != 0;
    case RecordsetFilterOp::Less: return comparison < 0;
    case RecordsetFilterOp::Greater: return comparison > 0;
    case RecordsetFilterOp::LessEqual: return comparison <= 0;
    case RecordsetFilterOp::GreaterEqual: return comparison >= 0;
    case RecordsetFilterOp::Like: break;
    }
    return false;
}

bool isWildcard(char c) { return c == '*' || c == '%'; }

// Glob matching with one kind of wildcard: on a mismatch, the last wildcard absorbs one more character.
bool likeMatches(std::string_view text, std::string_view pattern)
{
    std::size_t t = 0, p = 0, starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && isWildcard(pattern[p])) {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && isWildcard(pattern[p]))
        ++p;
    return p == pattern.size();
}

} // namespace

RecordsetFilterPredicate::RecordsetFilterPredicate(const RecordsetFilterExpr& expr, const RecordsetData& data)
    : data_(data), root_(compile(expr))
{
}

RecordsetFilterPredicate::Node RecordsetFilterPredicate::compile(const RecordsetFilterExpr& expr) const
{
    if (expr.kind == RecordsetFilterExpr::Kind::Clause)
        return compileClause(expr);
    Node node;
    node.test = expr.kind == RecordsetFilterExpr::Kind::And ? Node::Test::All : Node::Test::Any;
    for (const auto& child : expr.children)
        node.children.push_back(compile(child));
    return node;
}

RecordsetFilterPredicate::Node RecordsetFilterPredicate::compileClause(const RecordsetFilterExpr& clause) const
{
    const RecordsetColumn& column = data_.column(clause.column);
    Value operand = filterOperand(column.field(), clause.op, clause.literal);
    Node node;
    node.column = clause.column;
    node.op = clause.op;
    const bool text = column.field().type == DataType::Text;
    if (operand.isNull() && !text) {
        node.test = clause.op == RecordsetFilterOp::Equal ? Node::Test::IsNull : Node::Test::IsNotNull;
        return node;
    }
    RecordsetKeyReader reader(column);
    if (!text) {
        node.test = Node::Test::ByKey;
        node.bound = reader.bound(operand);
        node.reader.emplace(reader);
        return node;
    }
    const RecordsetDictionary& dictionary = column.dictionary();
    node.test = Node::Test::ByCode;
    node.acceptedCodes.resize(dictionary.size());
    const std::string pattern = operand.isNull() ? std::string() : foldCase(operand.asText());
    const RecordsetKeyBound bound = reader.bound(operand);
    const auto accepts = [&](std::string_view text, std::uint64_t key) {
        return clause.op == RecordsetFilterOp::Like ? likeMatches(foldCase(text), pattern)
                                                    : holds(clause.op, compareToBound(key, bound));
    };
    for (std::uint32_t code = 0; code < dictionary.size(); ++code)
        node.acceptedCodes[code] = accepts(dictionary.text(code), dictionary.ranks()[code] + 1ULL);
    // A NULL text is the empty text (RecordsetOrderKey.h).
    node.nullAccepted = accepts({}, reader.bound(Value()).key);
    return node;
}

bool RecordsetFilterPredicate::accepts(const Node& node, std::uint32_t row) const
{
    switch (node.test) {
    case Node::Test::All:
        return std::all_of(node.children.begin(), node.children.end(), [&](const Node& c) { return accepts(c, row); });
    case Node::Test::Any:
        return std::any_of(node.children.begin(), node.children.end(), [&](const Node& c) { return accepts(c, row); });
    case Node::Test::IsNull: return data_.column(node.column).isNull(row);
    case Node::Test::IsNotNull: return !data_.column(node.column).isNull(row);
    case Node::Test::ByCode: {
        const RecordsetColumn& column = data_.column(node.column);
        return column.isNull(row) ? node.nullAccepted : node.acceptedCodes[column.code(row)] != 0;
    }
    case Node::Test::ByKey:
        return !node.reader->isNull(row) && holds(node.op, compareToBound(node.reader->key(row), node.bound));
    }
    return false;
}

} // namespace db
