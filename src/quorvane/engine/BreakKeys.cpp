#include "engine/BreakKeys.h"

#include "db/FieldConversion.h"
#include "db/RecordsetTextFold.h"
#include "engine/FieldNames.h"
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

db::Value BreakKeys::storedValue(std::size_t levelIndex, const std::string& text) const
{
    const db::FieldInfo& column = columns_[levelIndex];
    return db::convertToField(column, text.empty() ? emptyMarker(column) : db::Value(text));
}

// The level and the values its node's row holds, texts compared without regard to case as the table's
// own filter compares them.
std::string BreakKeys::indexKey(int level, const ArrayRotture& levels) const
{
    std::string key = std::to_string(level);
    for (std::size_t i = 0; i < static_cast<std::size_t>(level); ++i) {
        const db::Value stored = storedValue(i, levels[i].Valore.toText());
        key += '\x1f';
        key += stored.isText() ? db::foldCase(stored.asText()) : stored.toText();
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
        const std::string text = levels[i].Valore.toText();
        table_.setValue(static_cast<int>(i), storedValue(i, text));
        if (column.empty())
            continue;                                   // a level without a column restricts nothing
        if (!filter.empty())
            filter += " AND ";
        if (text.empty())
            filter += column + "=NULL";
        else
            filter += column + "=" + (isQuotedInFilter(columns_[i]) ? quotedLiteral(text) : text);
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
