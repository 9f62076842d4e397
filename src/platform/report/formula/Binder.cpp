#include "report/formula/Binder.h"

#include "report/formula/Functions.h"

#include <algorithm>

namespace report::formula {

namespace {

bool known(ValueType t) { return t != ValueType::Unknown; }

// The common type of two branches, or Unknown when one of them is not known.
ValueType either(ValueType a, ValueType b) { return known(a) ? a : b; }

bool isStatement(const Node& node) { return node.kind == NodeKind::Assign || node.kind == NodeKind::Declare; }

ValueType argumentType(char letter)
{
    switch (letter) {
    case 'N': return ValueType::Number;
    case 'T': return ValueType::Text;
    case 'D': return ValueType::Date;
    case 'B': return ValueType::Boolean;
    default: return ValueType::Unknown;
    }
}

} // namespace

Binder::Binder(FormulaSet& set, int index, std::vector<int>& chain)
    : set_(set), formula_(set.formulas_[static_cast<std::size_t>(index)]), chain_(chain)
{
}

void Binder::run()
{
    bind(*formula_.tree);
    formula_.type = formula_.tree->type;
    formula_.variables = static_cast<int>(variables_.size());
}

void Binder::fail(Span where, const std::string& problem) const
{
    throw FormulaError(formula_.name, formula_.text, where, problem);
}

void Binder::require(const Node& node, ValueType expected, const char* where) const
{
    if (known(expected) && known(node.type) && node.type != expected)
        fail(node.span, std::string(typeName(expected)) + " is required " + (where ? where : "here") + ", not "
                            + typeName(node.type));
}

ValueType Binder::requireBoth(const Node& a, const Node& b, ValueType expected) const
{
    require(a, expected);
    require(b, expected);
    return expected;
}

void Binder::requireComparable(const Node& a, const Node& b, Span span) const
{
    if (known(a.type) && known(b.type) && a.type != b.type)
        fail(span, std::string("cannot compare ") + typeName(a.type) + " with " + typeName(b.type));
}

void Binder::bind(Node& node)
{
    switch (node.kind) {
    case NodeKind::Literal: node.type = node.literal.type(); return;
    case NodeKind::Field: bindField(node); return;
    case NodeKind::FormulaRef: bindFormulaRef(node); return;
    case NodeKind::Parameter: bindParameter(node); return;
    case NodeKind::Variable: bindVariable(node); return;
    case NodeKind::Unary: bindUnary(node); return;
    case NodeKind::Binary: bindBinary(node); return;
    case NodeKind::Call: bindCall(node); return;
    case NodeKind::If: bindIf(node); return;
    case NodeKind::Select: bindSelect(node); return;
    case NodeKind::Sequence:
        for (NodePtr& child : node.children)
            bind(*child);
        node.type = node.children.empty() ? ValueType::Unknown : node.children.back()->type;
        return;
    case NodeKind::Declare: bindDeclare(node); return;
    case NodeKind::Assign: bindAssign(node); return;
    }
}

void Binder::bindField(Node& node)
{
    formula_.readsRecords = true;
    if (auto binding = set_.fields_(node.name)) {
        node.slot = binding->column;
        node.type = binding->type;
        return;
    }
    const std::string warning = "{" + node.name + "} is not among the fields the report's statement returns: it reads as null";
    if (std::find(set_.warnings_.begin(), set_.warnings_.end(), warning) == set_.warnings_.end())
        set_.warnings_.push_back(warning);
}

void Binder::bindFormulaRef(Node& node)
{
    const int target = set_.indexOf(node.name);
    if (target < 0 || set_.formulas_[static_cast<std::size_t>(target)].anonymous)
        fail(node.span, "there is no formula {@" + node.name + "}");
    if (set_.states_[static_cast<std::size_t>(target)] == FormulaSet::State::Binding) {
        std::string cycle;
        auto from = std::find(chain_.begin(), chain_.end(), target);
        for (auto it = from; it != chain_.end(); ++it)
            cycle += set_.formulas_[static_cast<std::size_t>(*it)].name + " → ";
        fail(node.span, "the formulas refer to each other in a circle: " + cycle + set_.formula(target).name);
    }
    set_.bindOne(target, chain_);
    const CompiledFormula& referenced = set_.formula(target);
    node.slot = target;
    node.type = referenced.type;
    formula_.readsRecords = formula_.readsRecords || referenced.readsRecords;
}

void Binder::bindParameter(Node& node)
{
    auto it = set_.parameters_.find(upperCase(node.name));
    if (it == set_.parameters_.end())
        fail(node.span, "there is no parameter {?" + node.name + "}");
    node.kind = NodeKind::Literal;
    node.literal = it->second.value;
    node.type = it->second.type;
}

void Binder::bindVariable(Node& node)
{
    auto it = variables_.find(upperCase(node.name));
    if (it == variables_.end())
        fail(node.span, findFunction(node.name) ? "the function " + node.name + " needs its arguments in parentheses"
                                                : "unknown name '" + node.name + "'");
    node.slot = it->second.slot;
    node.type = it->second.type;
}

void Binder::bindUnary(Node& node)
{
    bind(*node.children[0]);
    node.type = node.op == Op::Not ? ValueType::Boolean : ValueType::Number;
    require(*node.children[0], node.type);
}

void Binder::bindBinary(Node& node)
{
    Node& a = *node.children[0];
    Node& b = *node.children[1];
    bind(a);
    bind(b);
    using enum ValueType;
    switch (node.op) {
    case Op::Concat: node.type = Text; return;
    case Op::And:
    case Op::Or: node.type = requireBoth(a, b, Boolean); return;
    case Op::Multiply:
    case Op::Divide: node.type = requireBoth(a, b, Number); return;
    case Op::Add:
    case Op::Subtract:
        if (a.type == Date || b.type == Date) {
            const bool dateDifference = node.op == Op::Subtract && a.type == Date && b.type == Date;
            // A date less a number of days is a date; a number less a date is nothing.
            if (node.op == Op::Subtract && b.type == Date && a.type != Date)
                require(a, Date, "before a date's minus sign");
            if (!dateDifference)
                require(a.type == Date ? b : a, Number, "beside a date");
            node.type = dateDifference ? Number : Date;
            return;
        }
        node.type = requireBoth(a, b, node.op == Op::Subtract || a.type == Number || b.type == Number ? Number : Text);
        return;
    default:
        requireComparable(a, b, node.span);
        node.type = Boolean;
        return;
    }
}

void Binder::bindCall(Node& node)
{
    const FunctionInfo* info = findFunction(node.name);
    if (!info)
        fail(node.span, "unknown function '" + node.name + "'");
    const int count = static_cast<int>(node.children.size());
    if (count < info->minArguments || count > info->maxArguments) {
        const std::string wanted = info->minArguments == info->maxArguments
                                       ? std::to_string(info->minArguments)
                                       : std::to_string(info->minArguments) + " to " + std::to_string(info->maxArguments);
        fail(node.span, std::string(info->name) + " takes " + wanted + " arguments, not " + std::to_string(count));
    }
    node.slot = static_cast<int>(info->id);
    for (int i = 0; i < count; ++i) {
        Node& argument = *node.children[static_cast<std::size_t>(i)];
        const char letter = info->arguments[i];
        if (letter == 'R' && argument.kind != NodeKind::Field && argument.kind != NodeKind::FormulaRef)
            fail(argument.span, std::string(info->name) + " reads a field or a formula: {TABLE.FIELD} or {@name}");
        bind(argument);
        require(argument, argumentType(letter), ("as argument " + std::to_string(i + 1) + " of " + info->name).c_str());
    }
    if (readsAnotherRecord(info->id))
        formula_.readsRecords = true;
    node.type = known(info->result) ? info->result : node.children[0]->type;
}

void Binder::bindIf(Node& node)
{
    for (NodePtr& child : node.children)
        bind(*child);
    require(*node.children[0], ValueType::Boolean, "as the condition of If");
    if (node.children.size() == 3 && !isStatement(*node.children[1]) && !isStatement(*node.children[2])
        && known(node.children[1]->type) && known(node.children[2]->type)
        && node.children[1]->type != node.children[2]->type)
        fail(node.children[2]->span, std::string("the Else part gives ") + typeName(node.children[2]->type)
                                         + " but the Then part gives " + typeName(node.children[1]->type));
    node.type = node.children.size() == 3 ? either(node.children[1]->type, node.children[2]->type)
                                          : node.children[1]->type;
}

void Binder::bindSelect(Node& node)
{
    for (NodePtr& child : node.children)
        bind(*child);
    const Node& subject = *node.children[0];
    for (auto& labels : node.cases)
        for (CaseLabel& label : labels) {
            bind(*label.low);
            requireComparable(subject, *label.low, label.low->span);
            if (label.high) {
                bind(*label.high);
                requireComparable(subject, *label.high, label.high->span);
            }
        }
    node.type = node.children.size() > 1 ? node.children[1]->type : ValueType::Unknown;
}

void Binder::bindDeclare(Node& node)
{
    const std::string key = upperCase(node.name);
    auto it = variables_.find(key);
    if (it != variables_.end() && it->second.type != node.declared)
        fail(node.span, "'" + node.name + "' is already declared as " + typeName(it->second.type));
    if (it == variables_.end())
        it = variables_.emplace(key, Variable{static_cast<int>(variables_.size()), node.declared}).first;
    node.slot = it->second.slot;
    node.type = node.declared;
    if (!node.children.empty()) {
        bind(*node.children[0]);
        require(*node.children[0], node.declared, ("for " + node.name).c_str());
    }
}

void Binder::bindAssign(Node& node)
{
    auto it = variables_.find(upperCase(node.name));
    if (it == variables_.end())
        fail(node.span, "'" + node.name + "' is assigned but not declared (NumberVar, StringVar, BooleanVar, DateVar)");
    node.slot = it->second.slot;
    node.type = it->second.type;
    bind(*node.children[0]);
    require(*node.children[0], node.type, ("for " + node.name).c_str());
}

} // namespace report::formula
