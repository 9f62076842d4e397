#pragma once
// Runs the bound formulas of a print over its records. The records are reached by ordinal (0, 1, … in
// the order the report walks them) through a RecordSource; previous and next read the neighbouring
// ordinals. A named formula is evaluated once per record: its value is kept for the current record and
// its two neighbours, which is all the one-pass walk ever asks again; a formula that reads no record is
// evaluated once per print. Variables live for one evaluation of one formula.

#include "report/formula/FormulaSet.h"

#include <array>
#include <climits>
#include <vector>

namespace report::formula {

class RecordSource {
public:
    virtual ~RecordSource() = default;
    virtual long recordCount() const = 0;
    // The value of a column at an ordinal from 0 to recordCount() − 1.
    virtual Value field(int column, long ordinal) const = 0;
};

class Evaluator {
public:
    Evaluator(const FormulaSet& formulas, const RecordSource& records);

    // The record the formulas read; -1 for none (every field then reads as null).
    void setRecord(long ordinal) { current_ = ordinal; }
    long record() const { return current_; }

    // Throws FormulaError naming the formula and the spot of a run-time failure.
    Value value(int formula) { return valueAt(formula, current_); }
    Value valueAt(int formula, long ordinal);
    // An object's suppression: true only for a Boolean true (null and false print the object).
    bool isTrue(int formula);

private:
    struct Cached {
        long ordinal = LONG_MIN;
        Value value;
    };
    struct Frame {
        const CompiledFormula& formula;
        long ordinal;
        std::vector<Value> variables;
    };

    Value compute(int formula, long ordinal);
    Value eval(const Node& node, Frame& frame);
    Value evalField(const Node& node, long ordinal) const;
    Value evalUnary(const Node& node, Frame& frame);
    Value evalBinary(const Node& node, Frame& frame);
    Value evalCall(const Node& node, Frame& frame);
    Value evalNeighbour(const Node& reference, long ordinal, bool askIsNull);
    Value evalSelect(const Node& node, Frame& frame);
    bool matches(const CaseLabel& label, const Value& subject, Frame& frame);

    const FormulaSet& formulas_;
    const RecordSource& records_;
    long current_ = -1;
    std::vector<std::array<Cached, 3>> cache_;
};

// Comparison of two non-null values of one type: negative, zero or positive.
int compareValues(const Value& a, const Value& b);

} // namespace report::formula
