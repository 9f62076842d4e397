#pragma once
// The tree of a parsed formula. Every node keeps its span in the text, so that binding and run-time
// errors point at the spot. The binder fills `slot` and `type`.

#include "report/formula/FormulaError.h"
#include "report/formula/Value.h"

#include <memory>
#include <string>
#include <vector>

namespace report::formula {

enum class NodeKind {
    Literal,     // literal
    Field,       // name "TABLE.FIELD"; slot: the column, or -1 for a field the statement does not return
    FormulaRef,  // name; slot: the formula
    Parameter,   // name; bound to its value as a literal
    Variable,    // name; slot: the variable
    Unary,       // op Negate or Not; children[0]
    Binary,      // op; children[0], children[1]
    Call,        // name; slot: the function; children: the arguments
    If,          // children: condition, then, [else]
    Select,      // children: subject, one body per case, [default body]; cases: the labels of each case
    Sequence,    // children: statements; the value of the last
    Declare,     // name, declared; slot: the variable; children: [initial value]
    Assign       // name; slot: the variable; children[0]
};

enum class Op {
    Add, Subtract, Multiply, Divide, Concat,
    Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,
    And, Or, Not, Negate
};

struct Node;
using NodePtr = std::unique_ptr<Node>;

// One label of a Case: a value, a range "a To b", or a comparison "Is > n".
struct CaseLabel {
    enum class Kind { Value, Range, Compare } kind = Kind::Value;
    Op op = Op::Equal;
    NodePtr low;
    NodePtr high;
};

struct Node {
    NodeKind kind = NodeKind::Literal;
    Span span;
    std::string name;
    Value literal;
    Op op = Op::Add;
    ValueType declared = ValueType::Unknown;
    std::vector<NodePtr> children;
    std::vector<std::vector<CaseLabel>> cases;
    bool hasDefault = false;

    int slot = -1;
    ValueType type = ValueType::Unknown;
};

} // namespace report::formula
