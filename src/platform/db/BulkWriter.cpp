#include "db/BulkWriter.h"

#include "db/Error.h"
#include "db/SqliteConnection.h"
#include "tsql/StoredDecimal.h"

#include <sqlite3.h>

namespace db {

BulkWriter::BulkWriter(Connection& connection, const std::string& table, const std::vector<std::string>& columns)
    : columnCount_(columns.size()), table_(table)
{
    auto* embedded = dynamic_cast<SqliteConnection*>(&connection);
    if (!embedded)
        throw Error("Bulk loading works on the embedded database only.");
    db_ = embedded->handle();
    std::string sql = "INSERT INTO \"" + table + "\" (";
    std::string marks;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        sql += (i ? ", \"" : "\"") + columns[i] + "\"";
        marks += i ? ", ?" : "?";
    }
    sql += ") VALUES (" + marks + ")";
    if (sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("cannot begin the load");
    open_ = true;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &insert_, nullptr) != SQLITE_OK)
        fail("cannot prepare the load");
}

BulkWriter::~BulkWriter()
{
    sqlite3_finalize(insert_);
    if (open_)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void BulkWriter::addRow(const std::vector<Value>& values)
{
    if (!open_)
        throw Error("The bulk load of " + table_ + " is already finished.");
    if (values.size() != columnCount_)
        throw Error("A row for " + table_ + " has " + std::to_string(values.size()) + " values instead of "
                    + std::to_string(columnCount_) + ".");
    for (std::size_t i = 0; i < values.size(); ++i)
        bind(static_cast<int>(i) + 1, values[i]);
    if (sqlite3_step(insert_) != SQLITE_DONE)
        fail("cannot write a row");
    sqlite3_reset(insert_);
}

void BulkWriter::bind(int index, const Value& value)
{
    if (value.isNull()) {
        sqlite3_bind_null(insert_, index);
    } else if (value.isBool()) {
        sqlite3_bind_int(insert_, index, value.asBool() ? 1 : 0);
    } else if (value.isInt()) {
        sqlite3_bind_int64(insert_, index, value.asInt());
    } else if (value.isDouble()) {
        sqlite3_bind_double(insert_, index, value.asDouble());
    } else if (value.isDecimal()) {
        bindDecimal(index, value.asDecimal());
    } else {
        std::string text = value.isDateTime() ? value.asDateTime().toStorageText() : value.asText();
        sqlite3_bind_text(insert_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
}

// Stored as the dialect stores decimals, so that its runtime reads them back exactly.
void BulkWriter::bindDecimal(int index, const Decimal& d)
{
    tsql::Decimal exact{d.mantissa, d.scale};
    switch (tsql::storedForm(exact)) {
    case tsql::StoredForm::Integer:
        sqlite3_bind_int64(insert_, index, static_cast<std::int64_t>(d.mantissa / tsql::powerOfTen(d.scale)));
        return;
    case tsql::StoredForm::Real:
        sqlite3_bind_double(insert_, index, d.toDouble());
        return;
    case tsql::StoredForm::Text: {
        std::string text = d.toString();
        sqlite3_bind_text(insert_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return;
    }
    }
}

void BulkWriter::finish()
{
    if (!open_)
        return;
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("cannot commit the load");
    open_ = false;
}

void BulkWriter::fail(const std::string& what) const
{
    throw Error("Bulk load of " + table_ + ": " + what + ": " + sqlite3_errmsg(db_));
}

} // namespace db
