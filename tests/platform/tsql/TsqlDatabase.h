// An in-memory (or shared) SQLite database driven through the dialect, as the connection layer drives it:
// every step of a translation runs in order, and a schema change invalidates the dialect. A decimal
// column's values read at their type's scale, as SQL Server shows them ("140.00").
#pragma once

#include "tsql/Dialect.h"
#include "tsql/StoredDecimal.h"

#include <sqlite3.h>

#include <QStringList>
#include <QTest>

#include <stdexcept>
#include <string>
#include <vector>

class TsqlDatabase {
public:
    using Row = std::vector<std::string>;

    explicit TsqlDatabase(const char* uri = ":memory:", int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
    {
        if (sqlite3_open_v2(uri, &db_, flags | SQLITE_OPEN_URI, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        dialect_ = std::make_unique<tsql::Dialect>(db_);
    }
    ~TsqlDatabase()
    {
        dialect_.reset();
        sqlite3_close(db_);
    }

    tsql::Dialect& dialect() { return *dialect_; }

    // Runs a T-SQL text; returns the rows of its last row-returning step, each value as text ("NULL").
    std::vector<Row> run(const std::string& tsqlText)
    {
        auto translation = dialect_->translate(tsqlText);
        std::vector<Row> rows;
        for (const tsql::Step& step : translation->steps) {
            std::vector<Row> stepRows = execute(step.sql, step.columns);
            if (step.returnsRows) {
                rows = std::move(stepRows);
                columns_ = step.columns;
            }
        }
        if (translation->changesSchema)
            dialect_->invalidate();
        return rows;
    }

    // The single value of a one-row, one-column query.
    std::string value(const std::string& tsqlText)
    {
        std::vector<Row> rows = run(tsqlText);
        if (rows.size() != 1 || rows[0].size() != 1)
            throw std::runtime_error("expected one value from: " + tsqlText);
        return rows[0][0];
    }

    const std::vector<tsql::ColumnType>& columns() const { return columns_; }

    // The SQLite type (integer, real, text, null) of the column V of a one-row query.
    std::string storageType(const std::string& tsqlText)
    {
        auto translation = dialect_->translate(tsqlText);
        return execute("SELECT typeof(V) FROM (" + translation->steps.back().sql + ")").at(0).at(0);
    }

    std::vector<Row> execute(const std::string& sql, const std::vector<tsql::ColumnType>& types = {})
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            std::string message = sqlite3_errmsg(db_);
            sqlite3_finalize(statement);
            throw std::runtime_error(message + " in: " + sql);
        }
        std::vector<Row> rows;
        int rc;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            Row row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                row.push_back(text(statement, i, i < int(types.size()) ? &types[i] : nullptr));
            rows.push_back(std::move(row));
        }
        std::string message = sqlite3_errmsg(db_);
        sqlite3_finalize(statement);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(message + " in: " + sql);
        return rows;
    }

private:
    sqlite3* db_ = nullptr;

    static std::string text(sqlite3_stmt* statement, int column, const tsql::ColumnType* type)
    {
        if (type && type->category == tsql::ColumnType::Category::Decimal)
            if (auto decimal = tsql::readDecimal(sqlite3_column_value(statement, column), type->scale))
                return tsql::formatDecimal(*decimal);
        const unsigned char* value = sqlite3_column_text(statement, column);
        return value ? reinterpret_cast<const char*>(value) : "NULL";
    }

    std::unique_ptr<tsql::Dialect> dialect_;
    std::vector<tsql::ColumnType> columns_;
};

// Rows as one line of text: values joined by ",", rows by ";", so a table test states its result on one line.
inline QString joinedRows(const std::vector<TsqlDatabase::Row>& rows)
{
    QStringList lines;
    for (const auto& row : rows) {
        QStringList values;
        for (const std::string& value : row)
            values << QString::fromStdString(value);
        lines << values.join(",");
    }
    return lines.join(";");
}

// One row of a table of cases: its name, a T-SQL text and what it must give.
inline void addCase(const char* id, const char* tsql, const char* expected)
{
    QTest::newRow(id) << QString::fromUtf8(tsql) << QString::fromUtf8(expected);
}

// The message a statement is refused with, or "" when it runs.
inline QString refusalOf(TsqlDatabase& db, const QString& tsqlText)
{
    try {
        db.run(tsqlText.toStdString());
        return {};
    } catch (const tsql::Error& error) {
        return QString::fromStdString(error.what());
    }
}
