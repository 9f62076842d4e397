#pragma once
// Reads the rows of a prepared SQLite statement into a record set, converting each stored value to the
// T-SQL type that the dialect layer inferred for its column: dates come back from their storage text,
// decimals become exact at the column's scale, bits become Booleans.

#include "db/Recordset.h"
#include "db/RecordsetBuilder.h"
#include "tsql/Dialect.h"

#include <functional>
#include <vector>

struct sqlite3_stmt;
struct sqlite3_value;

namespace db {

class SqliteRowReader {
public:
    SqliteRowReader(sqlite3_stmt* stmt, const std::vector<tsql::ColumnType>& columns);
    // Steps the statement to its end; onError is called (and must throw) when the engine fails.
    Recordset readAll(const std::function<void()>& onError);

private:
    void appendValue(RecordsetBuilder& builder, int column);
    void appendDecimal(RecordsetBuilder& builder, int column, sqlite3_value* value);

    sqlite3_stmt* stmt_;
    std::vector<FieldInfo> fields_;
};

// The record set field that holds a column of the given T-SQL type.
FieldInfo fieldFor(const tsql::ColumnType& column);

} // namespace db
