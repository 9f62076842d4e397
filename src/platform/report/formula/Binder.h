#pragma once
// Binds one formula's tree: resolves its names, gives every node its type and refuses what cannot run
// ("a number is required here", "unknown function"). Used by FormulaSet, which owns the order.

#include "report/formula/FormulaSet.h"

#include <map>
#include <vector>

namespace report::formula {

class Binder {
public:
    Binder(FormulaSet& set, int index, std::vector<int>& chain);
    void run();

private:
    struct Variable {
        int slot;
        ValueType type;
    };

    void bind(Node& node);
    void bindField(Node& node);
    void bindFormulaRef(Node& node);
    void bindParameter(Node& node);
    void bindVariable(Node& node);
    void bindUnary(Node& node);
    void bindBinary(Node& node);
    void bindCall(Node& node);
    void bindIf(Node& node);
    void bindSelect(Node& node);
    void bindDeclare(Node& node);
    void bindAssign(Node& node);
    void require(const Node& node, ValueType expected, const char* where = nullptr) const;
    ValueType requireBoth(const Node& a, const Node& b, ValueType expected) const;
    void requireComparable(const Node& a, const Node& b, Span span) const;
    [[noreturn]] void fail(Span where, const std::string& problem) const;

    FormulaSet& set_;
    CompiledFormula& formula_;
    std::vector<int>& chain_;
    std::map<std::string, Variable> variables_;   // by upper-case name
};

} // namespace report::formula
