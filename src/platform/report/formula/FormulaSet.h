#pragma once
// The formulas of one print, parsed once and bound to the print's statement and parameters: a field
// reference becomes a column (a table the statement does not return gives a null field and one warning
// naming it), a parameter its value, a formula reference the referenced formula, a variable its slot.
// Binding follows formula references depth first, so every formula knows the type of the ones it reads,
// and a chain that comes back to itself is an error that lists it ("a → b → a").
//
// Besides the report's named formulas the set holds the anonymous expressions of the report's objects
// (a field shown, a section's suppression), bound the same way but never referenced by name.

#include "report/formula/Ast.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace report::formula {

struct FieldBinding {
    int column = -1;
    ValueType type = ValueType::Unknown;
};

// Answers a field reference "TABLE.FIELD" with its column, or nothing when the statement lacks it.
using FieldLookup = std::function<std::optional<FieldBinding>(const std::string& reference)>;

struct ParameterValue {
    ValueType type = ValueType::Unknown;
    Value value;   // null when neither the caller nor the report gives one
};

struct CompiledFormula {
    std::string name;
    std::string text;
    NodePtr tree;
    int variables = 0;           // slots a single evaluation needs
    ValueType type = ValueType::Unknown;
    bool readsRecords = false;   // false: the same value on every record
    bool anonymous = false;
};

class FormulaSet {
public:
    FormulaSet(FieldLookup fields, std::map<std::string, ParameterValue> parameters);

    // Adds a named formula (names compare without regard to case); answers its index.
    int add(const std::string& name, const std::string& text);
    // Adds an object's expression; `label` names it in errors ("details object 3").
    int addExpression(const std::string& label, const std::string& text);

    // Parses and binds every formula added so far that is not bound yet. Throws FormulaError.
    void bind();

    int indexOf(const std::string& name) const;   // -1 when absent
    int size() const { return static_cast<int>(formulas_.size()); }
    const CompiledFormula& formula(int index) const { return formulas_[static_cast<std::size_t>(index)]; }

    // One line per field the statement does not return, in the order first met.
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    friend class Binder;
    enum class State { Added, Binding, Bound };

    void bindOne(int index, std::vector<int>& chain);

    FieldLookup fields_;
    std::map<std::string, ParameterValue> parameters_;   // by upper-case name
    std::vector<CompiledFormula> formulas_;
    std::vector<State> states_;
    std::map<std::string, int> byName_;                  // upper-case name → index
    std::vector<std::string> warnings_;
};

std::string upperCase(std::string_view name);

} // namespace report::formula
