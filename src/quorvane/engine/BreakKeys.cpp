#include "engine/BreakKeys.h"

#include "db/FieldConversion.h"
#include "engine/FieldNames.h"
#include "engine/GroupValues.h"
#include "engine/KeyColumns.h"

#include <stdexcept>

namespace quorvane {
namespace {

constexpr const char* keyColumnName = "CHIAVE";

// A text inside a filter's quotes: a quote is written twice.
std::string quotedLiteral(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

// The term of one level in a node's movement filter. A group without a value is "=NULL", which in a text
// column finds the empty and blank texts too, as the movement set compares texts (RecordsetOrderKey.h).
std::string filterTerm(const std::string& column, const db::FieldInfo& field, const db::Value& value)
{
    if (holdsNoValue(value))
        return column + "=NULL";
    const std::string text = value.toText();
    return column + "=" + (isQuotedInFilter(field) ? quotedLiteral(text) : text);
}

db::FieldInfo counterColumn()
{
    db::FieldInfo field;
    field.name = keyColumnName;
    field.type = db::DataType::Decimal;
    field.precision = 15;
    return field;
}

} // namespace

void BreakKeys::ConfiguraChiavi(const ArrayRotture& levels, const db::Recordset& movements)
{
    std::vector<db::FieldInfo> columns;
    for (const Rottura& level : levels) {
        const db::FieldInfo* movementField = nullptr;
        if (!level.Campo.empty()) {
            const int index = movements.fieldIndex(PulisciNomeCampo(level.Campo));
            if (index < 0)
                throw std::invalid_argument("the grouping column " + level.Campo + " is not in the movement set");
            movementField = &movements.field(index);
        }
        columns.push_back(keyColumn(level.Campo, movementField, "LIVELLO" + std::to_string(columns.size() + 1)));
    }
    std::vector<db::FieldInfo> fields = columns;
    fields.push_back(counterColumn());
    table_ = db::Recordset::inMemory(std::move(fields));
    columns_ = std::move(columns);
    counter_ = 0;
    index_.clear();
}

db::Value BreakKeys::storedValue(std::size_t levelIndex, const db::Value& value) const
{
    const db::FieldInfo& column = columns_[levelIndex];
    return db::convertToField(column, holdsNoValue(value) ? emptyMarker(column) : db::Value(value.toText()));
}

// The level and its values as the group tree tells groups apart (GroupValues.h).
std::string BreakKeys::indexKey(int level, const ArrayRotture& levels) const
{
    std::string key = std::to_string(level);
    for (std::size_t i = 0; i < static_cast<std::size_t>(level); ++i) {
        key += '\x1f';
        key += groupValueKey(levels[i].Valore);
    }
    return key;
}

GeneratedKey BreakKeys::GenerazioneChiave(int level, bool first, const ArrayRotture& levels)
{
    if (first)
        counter_ = 0;
    ++counter_;
    table_.AddNew();
    std::string filter;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (static_cast<int>(i) >= level)
            continue;                                   // deeper levels stay NULL
        const std::string column = PulisciNomeCampo(levels[i].Campo);
        table_.setValue(static_cast<int>(i), storedValue(i, levels[i].Valore));
        if (column.empty())
            continue;                                   // a level without a column restricts nothing
        if (!filter.empty())
            filter += " AND ";
        filter += filterTerm(column, columns_[i], levels[i].Valore);
    }
    table_.setValue(keyColumnName, db::Decimal{counter_, 0});
    table_.Update();
    StoredNodes& stored = index_[indexKey(level, levels)];
    ++stored.count;
    stored.number = counter_;
    return {"*" + std::to_string(counter_), filter};
}

std::string BreakKeys::RecuperoChiave(int level, const ArrayRotture& levels) const
{
    const auto found = index_.find(indexKey(level, levels));
    if (found == index_.end() || found->second.count != 1)
        return {};
    return "*" + std::to_string(found->second.number);
}

} // namespace quorvane
