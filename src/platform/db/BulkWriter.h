#pragma once
// Fast loading of many rows into one table of the embedded database: one prepared INSERT, all rows in one
// transaction. The demo-data generator writes a million movement lines this way; values are stored the way
// the dialect layer reads them (dates as their storage text, decimals as numbers, bits as 0/1).

#include "db/Connection.h"
#include "db/Value.h"

#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

class BulkWriter {
public:
    // Throws db::Error when the connection is not an embedded one or the table or a column is unknown.
    BulkWriter(Connection& connection, const std::string& table, const std::vector<std::string>& columns);
    ~BulkWriter();   // rolls back what was not finished
    BulkWriter(const BulkWriter&) = delete;
    BulkWriter& operator=(const BulkWriter&) = delete;

    // One value per column, in the order the columns were named.
    void addRow(const std::vector<Value>& values);
    // Commits the rows written so far; the writer is spent afterwards.
    void finish();

private:
    void bind(int index, const Value& value);
    void bindDecimal(int index, const Decimal& value);
    [[noreturn]] void fail(const std::string& what) const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    std::size_t columnCount_ = 0;
    std::string table_;
    bool open_ = false;
};

} // namespace db
