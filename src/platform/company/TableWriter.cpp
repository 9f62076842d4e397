#include "company/TableWriter.h"

#include "db/BulkWriter.h"
#include "db/Error.h"

namespace company {

TableWriter::TableWriter(db::Connection& connection, std::string table, std::vector<std::string> columns,
                         std::size_t batchRows)
    : connection_(connection), table_(std::move(table)), columns_(std::move(columns)), batchRows_(batchRows)
{
    rows_.reserve(batchRows_);
}

void TableWriter::add(std::vector<db::Value> row)
{
    if (row.size() != columns_.size())
        throw db::Error("The demo generator built a row of " + std::to_string(row.size()) + " values for "
                        + table_ + ", which has " + std::to_string(columns_.size()) + " columns.");
    rows_.push_back(std::move(row));
    if (rows_.size() >= batchRows_)
        flush();
}

void TableWriter::flush()
{
    if (rows_.empty())
        return;
    db::BulkWriter writer(connection_, table_, columns_);
    for (const std::vector<db::Value>& row : rows_)
        writer.addRow(row);
    writer.finish();
    written_ += static_cast<long>(rows_.size());
    rows_.clear();
}

} // namespace company
