#include "db/SqliteConnection.h"

#include "db/ConnectionString.h"
#include "db/Error.h"
#include "db/SqliteRowReader.h"
#include "tsql/Dialect.h"

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

// Finalizes a prepared statement on every way out of a step.
struct StatementGuard {
    sqlite3_stmt* stmt = nullptr;
    ~StatementGuard() { sqlite3_finalize(stmt); }
};

} // namespace

SqliteConnection::SqliteConnection(const std::string& connectionString) : Connection(connectionString)
{
    ConnectionString parts(connectionString);
    std::string path = parts.value("Data Source");
    if (path.empty())
        throw Error("The connection string names no Data Source: " + connectionString);
    readOnly_ = equalsIgnoringCase(parts.value("Mode"), "ReadOnly");
    int flags = readOnly_ ? SQLITE_OPEN_READONLY : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw Error("Cannot open the database " + path + ": " + message);
    }
    sqlite3_extended_result_codes(db_, 1);
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
    }
    // A T-SQL statement is one unit of work even when it needs several SQLite steps (SELECT … INTO is a
    // CREATE and an INSERT): a failing step undoes the earlier ones, as the server would.
    bool unit = translation->steps.size() > 1;
    if (unit)
        exec("SAVEPOINT tsql_statement");
    long affected = -1;
    try {
        for (const tsql::Step& step : translation->steps) {
            long changed = runStep(step, text, rows);
            if (!step.returnsRows)
                affected = changed;
        }
    } catch (...) {
        if (unit)
            exec("ROLLBACK TO tsql_statement; RELEASE tsql_statement");
        if (translation->changesSchema)
            dialect_->invalidate();
        throw;
    }
    if (unit)
        exec("RELEASE tsql_statement");
    if (translation->changesSchema)
        dialect_->invalidate();
    return affected;
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
    }
}

void SqliteConnection::exec(const char* sql)
{
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(sql);
}

void SqliteConnection::fail(std::string_view text) const
{
    throw Error(sqlite3_errmsg(db_), std::string(text));
}

} // namespace db
