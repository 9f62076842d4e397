#include "engine/GroupTreeLoader.h"

#include "engine/FieldNames.h"
#include "engine/GroupValues.h"

#include <stdexcept>

namespace quorvane {
namespace {

int requiredColumn(const db::Recordset& movements, const std::string& column)
{
    const int index = movements.fieldIndex(column);
    if (index < 0)
        throw std::invalid_argument("the column " + column + " of a grouping level is not in the movement set");
    return index;
}

} // namespace

GroupTreeLoader::GroupTreeLoader(db::Recordset& movements, ArrayRotture& levels, BreakKeys& keys, GroupTree& tree,
                                 const GroupCaptions& captions, GroupTreeProgress& progress)
    : movements_(movements), levels_(levels), keys_(keys), tree_(tree), captions_(captions), progress_(progress)
{
    for (const Rottura& level : levels_) {
        valueColumns_.push_back(level.Campo.empty() ? -1 : requiredColumn(movements_, PulisciNomeCampo(level.Campo)));
        descriptionColumns_.push_back(
            level.CampoDescrizione.empty() ? -1 : requiredColumn(movements_, level.CampoDescrizione));
    }
}

void GroupTreeLoader::CaricamentoTree()
{
    movements_.MoveFirst();
    const long count = movements_.RecordCount();
    if (count > 0)
        progress_.start(1, count + 1, 1);
    progress_.caption(textBuildingGroups);
    long bar = 1;
    for (bool first = true; !movements_.EOF_(); first = false) {
        progress_.step(++bar);
        if (first) {
            ValorizzaArrayRotture();
            InserimentoRamo(1, true);
        } else {
            ControllaArrayRotture();
        }
        movements_.MoveNext();
    }
    movements_.MoveFirst();
}

void GroupTreeLoader::ValorizzaArrayRotture()
{
    for (std::size_t i = 0; i < levels_.size(); ++i) {
        levels_[i].Valore = valueColumns_[i] < 0 ? db::Value() : movements_.value(valueColumns_[i]);
        if (descriptionColumns_[i] >= 0)
            levels_[i].Descrizione = movements_.value(descriptionColumns_[i]).toText();
    }
}

// Values are compared as the company database compares them (GroupValues.h), as the movement set's sort
// has ordered them: "Ab" and "aB", "X" and "X ", NULL and the empty text are one group. A level without a
// column never changes.
bool GroupTreeLoader::differs(std::size_t levelIndex) const
{
    if (valueColumns_[levelIndex] < 0)
        return false;
    return !sameGroupValue(movements_.value(valueColumns_[levelIndex]), levels_[levelIndex].Valore);
}

void GroupTreeLoader::ControllaArrayRotture()
{
    for (std::size_t i = 0; i < levels_.size(); ++i) {
        if (differs(i)) {
            ValorizzaArrayRotture();
            InserimentoRamo(static_cast<int>(i) + 1, false);
            return;
        }
    }
}

GroupNode& GroupTreeLoader::addNode(GroupNode* parent, int level, bool first)
{
    GeneratedKey generated = keys_.GenerazioneChiave(level, first, levels_);
    std::string text = captions_.caption(levels_[static_cast<std::size_t>(level) - 1], movements_);
    return tree_.add(parent, std::move(generated.key), std::move(text), std::move(generated.filter), level);
}

void GroupTreeLoader::InserimentoRamo(int level, bool first)
{
    const std::string parentKey = level > 1 ? keys_.RecuperoChiave(level - 1, levels_) : std::string();
    GroupNode* node = &addNode(parentKey.empty() ? nullptr : tree_.find(parentKey), level, first);
    for (int deeper = level + 1; deeper <= static_cast<int>(levels_.size()); ++deeper)
        node = &addNode(node, deeper, false);
}

} // namespace quorvane
