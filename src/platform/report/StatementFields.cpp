#include "report/StatementFields.h"

#include "tsql/Dialect.h"
#include "tsql/Parser.h"

#include <algorithm>

namespace report {

using formula::upperCase;

formula::ValueType valueTypeOf(db::DataType type)
{
    switch (type) {
    case db::DataType::Bit: return formula::ValueType::Boolean;
    case db::DataType::Text: return formula::ValueType::Text;
    case db::DataType::DateTime: return formula::ValueType::Date;
    default: return formula::ValueType::Number;
    }
}

StatementFields::StatementFields(const std::string& statement, const db::Recordset& rows)
{
    if (!readSelectList(statement, rows)) {
        namesOnly_ = true;
        columns_.clear();
        for (int i = 0; i < rows.fieldCount(); ++i)
            columns_.push_back({{}, upperCase(rows.field(i).name), i, valueTypeOf(rows.field(i).type)});
    }
}

// The select list of the statement's last SELECT, item by item beside the result's columns; false when
// the statement does not parse or its list does not line up with the result (a "*" in it).
bool StatementFields::readSelectList(const std::string& statement, const db::Recordset& rows)
{
    std::vector<tsql::Statement> parsed;
    try {
        parsed = tsql::parseStatements(statement);
    } catch (const std::exception&) {
        return false;
    }
    const tsql::Select* select = nullptr;
    for (const tsql::Statement& s : parsed)
        if (const auto* query = std::get_if<tsql::SelectStatement>(&s))
            select = &query->select;
    if (!select || static_cast<int>(select->items.size()) != rows.fieldCount())
        return false;
    for (const tsql::TableRef& table : select->from)
        fromTables_.push_back(upperCase(table.alias.empty() ? table.name : table.alias));
    for (std::size_t i = 0; i < select->items.size(); ++i) {
        const tsql::SelectItem& item = select->items[i];
        if (!item.expr)
            return false;
        Column column{{}, upperCase(rows.field(static_cast<int>(i)).name), static_cast<int>(i),
                      valueTypeOf(rows.field(static_cast<int>(i)).type)};
        if (item.alias.empty() && item.expr->kind == tsql::ExprKind::Column)
            column.table = upperCase(item.expr->qualifier);
        columns_.push_back(std::move(column));
    }
    return true;
}

std::optional<formula::FieldBinding> StatementFields::find(const std::string& reference) const
{
    const std::string upper = upperCase(reference);
    const std::size_t dot = upper.find('.');
    const std::string table = dot == std::string::npos ? std::string() : upper.substr(0, dot);
    const std::string name = dot == std::string::npos ? upper : upper.substr(dot + 1);
    const bool tableInFrom = std::find(fromTables_.begin(), fromTables_.end(), table) != fromTables_.end();
    const Column* unqualified = nullptr;
    for (const Column& c : columns_) {
        if (c.name != name)
            continue;
        if (!c.table.empty() && c.table == table)
            return formula::FieldBinding{c.index, c.type};
        if (c.table.empty() && !unqualified && (namesOnly_ || table.empty() || tableInFrom))
            unqualified = &c;
    }
    if (unqualified)
        return formula::FieldBinding{unqualified->index, unqualified->type};
    return std::nullopt;
}

} // namespace report
