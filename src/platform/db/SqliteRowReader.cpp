#include "db/SqliteRowReader.h"

#include "db/Error.h"
#include "tsql/StoredDecimal.h"

#include <sqlite3.h>

#include <string_view>

namespace db {

namespace {

std::string_view textOf(sqlite3_value* value)
{
    const char* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return {text ? text : "", static_cast<std::size_t>(sqlite3_value_bytes(value))};
}

} // namespace

FieldInfo fieldFor(const tsql::ColumnType& column)
{
    using Category = tsql::ColumnType::Category;
    FieldInfo field;
    field.name = column.name;
    switch (column.category) {
    case Category::Bit: field.type = DataType::Bit; break;
    case Category::Integer: field.type = DataType::Integer; break;
    case Category::Decimal:
        field.type = DataType::Decimal;
        field.precision = column.precision;
        field.scale = column.scale;
        break;
    case Category::Float: field.type = DataType::Float; break;
    case Category::DateTime: field.type = DataType::DateTime; break;
    case Category::Text:
    case Category::Unknown:
        field.type = DataType::Text;
        field.definedSize = column.size;
        break;
    }
    return field;
}

SqliteRowReader::SqliteRowReader(sqlite3_stmt* stmt, const std::vector<tsql::ColumnType>& columns)
    : stmt_(stmt)
{
    fields_.reserve(columns.size());
    for (const tsql::ColumnType& column : columns)
        fields_.push_back(fieldFor(column));
}

Recordset SqliteRowReader::readAll(const std::function<void()>& onError)
{
    RecordsetBuilder builder(fields_);
    const int count = static_cast<int>(fields_.size());
    int rc;
    while ((rc = sqlite3_step(stmt_)) == SQLITE_ROW) {
        for (int column = 0; column < count; ++column)
            appendValue(builder, column);
        builder.endRow();
    }
    if (rc != SQLITE_DONE)
        onError();
    return builder.finish();
}

// A decimal exact at the field's scale, whichever way the engine stored it; one that does not fit 38
// digits, or a text that is no number, is an error rather than a wrong amount.
void SqliteRowReader::appendDecimal(RecordsetBuilder& builder, int column, sqlite3_value* value)
{
    try {
        const FieldInfo& field = fields_[static_cast<std::size_t>(column)];
        builder.appendDecimal(column, tsql::readDecimal(value, field.scale)->units);
    } catch (const tsql::ValueError& error) {
        throw Error(std::string(error.what()) + " (field '" + fields_[static_cast<std::size_t>(column)].name + "')");
    }
}

// A stored date or number that does not read as its column's type is kept as NULL rather than invented;
// the dialect layer's typing makes that a corrupt-data case only. The column's value is taken once and read
// as such: a movement set of a million lines reads 156 of them a line.
void SqliteRowReader::appendValue(RecordsetBuilder& builder, int column)
{
    sqlite3_value* value = sqlite3_column_value(stmt_, column);
    if (sqlite3_value_type(value) == SQLITE_NULL) {
        builder.appendNull(column);
        return;
    }
    const FieldInfo& field = fields_[static_cast<std::size_t>(column)];
    switch (field.type) {
    case DataType::Bit:
        builder.appendBool(column, sqlite3_value_int64(value) != 0);
        return;
    case DataType::Integer:
        builder.appendInt(column, sqlite3_value_int64(value));
        return;
    case DataType::Float:
        builder.appendDouble(column, sqlite3_value_double(value));
        return;
    case DataType::Decimal:
        appendDecimal(builder, column, value);
        return;
    case DataType::DateTime:
        if (auto parsed = DateTime::parse(textOf(value)))
            builder.appendDateTime(column, *parsed);
        else
            builder.appendNull(column);
        return;
    case DataType::Text:
        builder.appendText(column, textOf(value));
        return;
    }
}

} // namespace db
