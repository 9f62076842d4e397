#include "report/formula/FormulaSet.h"

#include "report/formula/Binder.h"
#include "report/formula/Parser.h"

#include <cctype>

namespace report::formula {

std::string upperCase(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

FormulaSet::FormulaSet(FieldLookup fields, std::map<std::string, ParameterValue> parameters)
    : fields_(std::move(fields))
{
    for (auto& [name, value] : parameters)
        parameters_.emplace(upperCase(name), std::move(value));
}

int FormulaSet::add(const std::string& name, const std::string& text)
{
    const int index = addExpression(name, text);
    formulas_.back().anonymous = false;
    byName_[upperCase(name)] = index;
    return index;
}

int FormulaSet::addExpression(const std::string& label, const std::string& text)
{
    CompiledFormula formula;
    formula.name = label;
    formula.text = text;
    formula.anonymous = true;
    formulas_.push_back(std::move(formula));
    states_.push_back(State::Added);
    return static_cast<int>(formulas_.size()) - 1;
}

int FormulaSet::indexOf(const std::string& name) const
{
    auto it = byName_.find(upperCase(name));
    return it == byName_.end() ? -1 : it->second;
}

void FormulaSet::bind()
{
    std::vector<int> chain;
    for (int i = 0; i < size(); ++i)
        bindOne(i, chain);
}

// Depth first: a formula's references are bound before it is, and `chain` holds the formulas being
// bound, outermost first, so that a reference back into it names the circle.
void FormulaSet::bindOne(int index, std::vector<int>& chain)
{
    const auto at = static_cast<std::size_t>(index);
    if (states_[at] == State::Bound)
        return;
    CompiledFormula& formula = formulas_[at];
    if (!formula.tree)
        formula.tree = parseFormula(formula.name, formula.text);
    states_[at] = State::Binding;
    chain.push_back(index);
    Binder(*this, index, chain).run();
    chain.pop_back();
    states_[at] = State::Bound;
}

} // namespace report::formula
