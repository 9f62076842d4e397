#include "db/SqliteConnection.h"

#include "db/ConnectionString.h"
#include "db/Error.h"
#include "db/SqliteFile.h"
#include "db/SqliteRowReader.h"
#include "db/TranslatedStatement.h"
#include "tsql/Dialect.h"
#include "tsql/EngineError.h"

#include <sqlite3.h>

#include <cctype>

namespace db {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// "Busy Timeout" in milliseconds; the default when the string names none or no whole number.
int busyTimeoutOf(const ConnectionString& parts)
{
    const std::string text = parts.value("Busy Timeout");
    const SqliteFileOptions defaults;
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return defaults.busyTimeoutMs;
    return std::stoi(text);
}

// Finalizes a prepared statement on every way out of a step.
struct StatementGuard {
    sqlite3_stmt* stmt = nullptr;
    ~StatementGuard() { sqlite3_finalize(stmt); }
};

} // namespace

SqliteConnection::SqliteConnection(const std::string& connectionString) : Connection(connectionString)
{
    ConnectionString parts(connectionString);
    path_ = parts.value("Data Source");
    if (path_.empty())
        throw Error("The connection string names no Data Source: " + maskPasswords(connectionString));
    readOnly_ = equalsIgnoringCase(parts.value("Mode"), "ReadOnly");
    busyTimeoutMs_ = busyTimeoutOf(parts);
    db_ = openSqliteFile(path_, {readOnly_, busyTimeoutMs_});
    dialect_ = std::make_unique<tsql::Dialect>(db_);
}

SqliteConnection::~SqliteConnection() { Close(); }

void SqliteConnection::Close()
{
    dialect_.reset();
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

sqlite3* SqliteConnection::handle() const
{
    if (!db_)
        throw Error("The connection is closed.");
    return db_;
}

void SqliteConnection::interrupt()
{
    if (db_)
        sqlite3_interrupt(db_);
}

long SqliteConnection::Execute(std::string_view text) { return runSteps(text, nullptr); }

Recordset SqliteConnection::Open(std::string_view text)
{
    Recordset rows;
    runSteps(text, &rows);
    return rows;
}

// Translates the T-SQL text and runs its SQLite steps in order. The rows of the last step that returns
// rows land in *rows when asked for; the answer is the rows changed by the last step that changed any.
long SqliteConnection::runSteps(std::string_view text, Recordset* rows)
{
    if (!db_)
        throw Error("The connection is closed.", std::string(text));
    std::shared_ptr<const tsql::Translation> translation;
    try {
        translation = dialect_->translate(text);
    } catch (const tsql::Error& e) {
        throw Error(e.what(), std::string(text));
    } catch (const tsql::EngineError& e) {
        fail(e, text);
    }
    return runTranslation(
        *translation, *dialect_, [&](const tsql::Step& step) { return runStep(step, text, rows); },
        [this](const char* sql) { exec(sql); });
}

long SqliteConnection::runStep(const tsql::Step& step, std::string_view text, Recordset* rows)
{
    StatementGuard guard;
    if (sqlite3_prepare_v2(db_, step.sql.c_str(), static_cast<int>(step.sql.size()), &guard.stmt, nullptr)
        != SQLITE_OK)
        fail(text);
    if (step.returnsRows && rows) {
        SqliteRowReader reader(guard.stmt, step.columns);
        *rows = reader.readAll([this, text] { fail(text); });
        return -1;
    }
    int rc;
    while ((rc = sqlite3_step(guard.stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        fail(text);
    return sqlite3_changes(db_);
}

std::string SqliteConnection::explain(std::string_view text)
{
    if (!db_)
        throw Error("The connection is closed.", std::string(text));
    try {
        std::string out;
        for (const tsql::Step& step : dialect_->translate(text)->steps)
            out += step.sql + ";\n";
        return out;
    } catch (const tsql::Error& e) {
        throw Error(e.what(), std::string(text));
    } catch (const tsql::EngineError& e) {
        fail(e, text);
    }
}

void SqliteConnection::exec(const char* sql)
{
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(sql);
}

void SqliteConnection::fail(std::string_view text) const
{
    throwEngineError(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_), path_, busyTimeoutMs_, text);
}

void SqliteConnection::fail(const tsql::EngineError& error, std::string_view text) const
{
    throwEngineError(error.code(), error.what(), path_, busyTimeoutMs_, text);
}

} // namespace db
