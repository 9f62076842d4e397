#include "report/formula/Evaluator.h"

#include "report/formula/Functions.h"
#include "report/formula/TextFormat.h"

#include <variant>

namespace report::formula {

namespace {

constexpr long everyRecord = LONG_MIN + 1;   // the cache stamp of a formula that reads no record

bool truthy(const Value& v) { return v.type() == ValueType::Boolean && v.boolean(); }

bool compareHolds(Op op, int c)
{
    switch (op) {
    case Op::Equal: return c == 0;
    case Op::NotEqual: return c != 0;
    case Op::Less: return c < 0;
    case Op::Greater: return c > 0;
    case Op::LessEqual: return c <= 0;
    default: return c >= 0;
    }
}

Value arithmetic(Op op, const Value& a, const Value& b)
{
    using enum ValueType;
    if (a.type() == Date || b.type() == Date) {
        if (op == Op::Subtract && a.type() == Date && b.type() == Date)
            return Value(std::int64_t(a.date().days - b.date().days));
        const bool dateFirst = a.type() == Date;
        const formula::Date d = dateFirst ? a.date() : b.date();
        const std::int64_t days = (dateFirst ? b : a).number().truncated();
        return Value(formula::Date{op == Op::Subtract ? d.days - days : d.days + days});
    }
    if (op == Op::Add && a.type() == Text)
        return Value(a.text() + b.text());
    switch (op) {
    case Op::Add: return Value(a.number() + b.number());
    case Op::Subtract: return Value(a.number() - b.number());
    case Op::Multiply: return Value(a.number() * b.number());
    default: return Value(a.number() / b.number());
    }
}

} // namespace

int compareValues(const Value& a, const Value& b)
{
    if (a.type() != b.type())
        throw FunctionError(std::string("cannot compare ") + typeName(a.type()) + " with " + typeName(b.type()));
    switch (a.type()) {
    case ValueType::Number: return a.number().compare(b.number());
    case ValueType::Text: return a.text().compare(b.text());
    case ValueType::Boolean: return int(a.boolean()) - int(b.boolean());
    case ValueType::Date: return a.date().days < b.date().days ? -1 : (a.date().days > b.date().days ? 1 : 0);
    case ValueType::Unknown: break;
    }
    return 0;
}

Evaluator::Evaluator(const FormulaSet& formulas, const RecordSource& records)
    : formulas_(formulas), records_(records), cache_(static_cast<std::size_t>(formulas.size()))
{
}

bool Evaluator::isTrue(int formula) { return truthy(value(formula)); }

Value Evaluator::valueAt(int formula, long ordinal)
{
    const bool reads = formulas_.formula(formula).readsRecords;
    const long stamp = reads ? ordinal : everyRecord;
    Cached& slot = cache_[static_cast<std::size_t>(formula)][reads ? static_cast<std::size_t>((ordinal % 3 + 3) % 3) : 0];
    if (slot.ordinal != stamp) {
        slot.value = compute(formula, ordinal);
        slot.ordinal = stamp;
    }
    return slot.value;
}

Value Evaluator::compute(int formula, long ordinal)
{
    const CompiledFormula& compiled = formulas_.formula(formula);
    Frame frame{compiled, ordinal, std::vector<Value>(static_cast<std::size_t>(compiled.variables))};
    return eval(*compiled.tree, frame);
}

// Failures of arithmetic and of functions get the place of the node that failed.
template <class Work>
Value guarded(const Node& node, const CompiledFormula& formula, Work&& work)
{
    try {
        return work();
    } catch (const NumberError& e) {
        throw FormulaError(formula.name, formula.text, node.span, e.what());
    } catch (const FunctionError& e) {
        throw FormulaError(formula.name, formula.text, node.span, e.what());
    } catch (const std::bad_variant_access&) {
        throw FormulaError(formula.name, formula.text, node.span, "a value of another type is required here");
    }
}

Value Evaluator::eval(const Node& node, Frame& frame)
{
    switch (node.kind) {
    case NodeKind::Literal: return node.literal;
    case NodeKind::Field: return evalField(node, frame.ordinal);
    case NodeKind::FormulaRef: return valueAt(node.slot, frame.ordinal);
    case NodeKind::Parameter: return node.literal;
    case NodeKind::Variable: return frame.variables[static_cast<std::size_t>(node.slot)];
    case NodeKind::Unary: return evalUnary(node, frame);
    case NodeKind::Binary: return evalBinary(node, frame);
    case NodeKind::Call: return evalCall(node, frame);
    case NodeKind::If:
        if (truthy(eval(*node.children[0], frame)))
            return eval(*node.children[1], frame);
        return node.children.size() > 2 ? eval(*node.children[2], frame) : Value();
    case NodeKind::Select: return evalSelect(node, frame);
    case NodeKind::Sequence: {
        Value last;
        for (const NodePtr& child : node.children)
            last = eval(*child, frame);
        return last;
    }
    case NodeKind::Declare:
    case NodeKind::Assign: {
        Value v = node.children.empty() ? defaultOf(node.declared) : eval(*node.children[0], frame);
        frame.variables[static_cast<std::size_t>(node.slot)] = v;
        return v;
    }
    }
    return {};
}

Value Evaluator::evalField(const Node& node, long ordinal) const
{
    if (node.slot < 0 || ordinal < 0 || ordinal >= records_.recordCount())
        return {};
    return records_.field(node.slot, ordinal);
}

Value Evaluator::evalUnary(const Node& node, Frame& frame)
{
    Value operand = eval(*node.children[0], frame);
    if (operand.isNull())
        return {};
    return guarded(node, frame.formula, [&] {
        return node.op == Op::Not ? Value(!operand.boolean()) : Value(-operand.number());
    });
}

Value Evaluator::evalBinary(const Node& node, Frame& frame)
{
    if (node.op == Op::And || node.op == Op::Or) {
        const bool left = truthy(eval(*node.children[0], frame));
        if (left == (node.op == Op::Or))
            return Value(left);
        return Value(truthy(eval(*node.children[1], frame)));
    }
    Value a = eval(*node.children[0], frame);
    Value b = eval(*node.children[1], frame);
    if (node.op == Op::Concat)
        return Value(displayText(a) + displayText(b));
    if (a.isNull() || b.isNull())
        return {};
    return guarded(node, frame.formula, [&] {
        if (node.op >= Op::Equal && node.op <= Op::GreaterEqual)
            return Value(compareHolds(node.op, compareValues(a, b)));
        return arithmetic(node.op, a, b);
    });
}

Value Evaluator::evalCall(const Node& node, Frame& frame)
{
    const auto function = static_cast<Function>(node.slot);
    switch (function) {
    case Function::Previous: return evalNeighbour(*node.children[0], frame.ordinal - 1, false);
    case Function::PreviousIsNull: return evalNeighbour(*node.children[0], frame.ordinal - 1, true);
    case Function::Next: return evalNeighbour(*node.children[0], frame.ordinal + 1, false);
    case Function::NextIsNull: return evalNeighbour(*node.children[0], frame.ordinal + 1, true);
    default: break;
    }
    std::vector<Value> arguments;
    arguments.reserve(node.children.size());
    for (const NodePtr& child : node.children)
        arguments.push_back(eval(*child, frame));
    return guarded(node, frame.formula, [&] { return callFunction(function, arguments); });
}

// previous and next: the reference at the neighbouring record; before the first record and after the
// last there is none, and its value is null.
Value Evaluator::evalNeighbour(const Node& reference, long ordinal, bool askIsNull)
{
    Value v;
    if (ordinal >= 0 && ordinal < records_.recordCount())
        v = reference.kind == NodeKind::Field ? evalField(reference, ordinal) : valueAt(reference.slot, ordinal);
    return askIsNull ? Value(v.isNull()) : v;
}

Value Evaluator::evalSelect(const Node& node, Frame& frame)
{
    const Value subject = eval(*node.children[0], frame);
    for (std::size_t k = 0; k < node.cases.size(); ++k)
        for (const CaseLabel& label : node.cases[k])
            if (matches(label, subject, frame))
                return eval(*node.children[k + 1], frame);
    return node.hasDefault ? eval(*node.children.back(), frame) : Value();
}

bool Evaluator::matches(const CaseLabel& label, const Value& subject, Frame& frame)
{
    const Value low = eval(*label.low, frame);
    if (subject.isNull() || low.isNull())
        return false;
    return guarded(*label.low, frame.formula, [&] {
               const int c = compareValues(subject, low);
               if (label.kind == CaseLabel::Kind::Compare)
                   return Value(compareHolds(label.op, c));
               if (label.kind == CaseLabel::Kind::Value)
                   return Value(c == 0);
               const Value high = eval(*label.high, frame);
               return Value(c >= 0 && !high.isNull() && compareValues(subject, high) <= 0);
           }).boolean();
}

} // namespace report::formula
