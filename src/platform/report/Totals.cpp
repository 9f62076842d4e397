#include "report/Totals.h"

namespace report {

int Totals::add(int formula, SummaryScope scope)
{
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].formula == formula && slots_[i].scope.kind == scope.kind && slots_[i].scope.level == scope.level)
            return static_cast<int>(i);
    slots_.push_back({formula, scope, {}});
    return static_cast<int>(slots_.size()) - 1;
}

void Totals::accumulate(formula::Evaluator& evaluator)
{
    for (Slot& slot : slots_) {
        const formula::Value v = evaluator.value(slot.formula);
        if (v.type() == formula::ValueType::Number)
            slot.sum = slot.sum + v.number();
    }
}

void Totals::resetWhere(SummaryScope::Kind kind, int level)
{
    for (Slot& slot : slots_)
        if (slot.scope.kind == kind && slot.scope.level == level)
            slot.sum = {};
}

void Totals::startPage() { resetWhere(SummaryScope::Kind::Page, 0); }

void Totals::startGroup(int level) { resetWhere(SummaryScope::Kind::Group, level); }

void Totals::clear()
{
    for (Slot& slot : slots_)
        slot.sum = {};
}

} // namespace report
