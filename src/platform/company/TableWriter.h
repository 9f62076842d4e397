#pragma once
// Rows of one table gathered in memory and written in batches through db::BulkWriter. The embedded engine
// allows one bulk load at a time, so the generator keeps one writer per table and lets each flush on its
// own turn; every flush is one transaction.

#include "db/Connection.h"
#include "db/Value.h"

#include <string>
#include <vector>

namespace company {

class TableWriter {
public:
    TableWriter(db::Connection& connection, std::string table, std::vector<std::string> columns,
                std::size_t batchRows = 8192);
    TableWriter(const TableWriter&) = delete;
    TableWriter& operator=(const TableWriter&) = delete;

    // One value per column, in the order of the columns; may write a batch.
    void add(std::vector<db::Value> row);
    // Writes what is gathered; to be called once the last row is added.
    void flush();
    long rowsWritten() const { return written_; }

private:
    db::Connection& connection_;
    std::string table_;
    std::vector<std::string> columns_;
    std::size_t batchRows_;
    std::vector<std::vector<db::Value>> rows_;
    long written_ = 0;
};

} // namespace company
