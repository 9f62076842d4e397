#pragma once
// The embedded company database: SQLite behind the T-SQL dialect layer. Read-only mode opens the company
// file without write access while temporary tables (the working table of a processing) still work, since
// SQLite keeps them in a separate per-connection database.

#include "db/Connection.h"

#include <memory>

struct sqlite3;
namespace tsql { class Dialect; class EngineError; struct Step; }

namespace db {

class SqliteConnection final : public Connection {
public:
    // Opens "Provider=SQLite;Data Source=PATH[;Mode=ReadOnly][;Busy Timeout=MS]" (see SqliteFile.h). A
    // read-only open of a missing file fails; a read-write open creates it.
    explicit SqliteConnection(const std::string& connectionString);
    ~SqliteConnection() override;

    long Execute(std::string_view text) override;
    Recordset Open(std::string_view text) override;
    void Close() override;
    bool isOpen() const override { return db_ != nullptr; }

    // The SQLite text the dialect layer makes of a T-SQL text, one statement a line group.
    std::string explain(std::string_view text);
    bool isReadOnly() const { return readOnly_; }
    // From any thread: the statement under way on this connection stops with an error, as does the next
    // one begun before it ends. Stops a processing whose other parts have failed or been cancelled.
    void interrupt();
    // The engine handle, for the bulk writer of the demo-data generator.
    sqlite3* handle() const;

private:
    long runSteps(std::string_view text, Recordset* rows);
    long runStep(const tsql::Step& step, std::string_view text, Recordset* rows);
    void exec(const char* sql);
    [[noreturn]] void fail(std::string_view text) const;
    [[noreturn]] void fail(const tsql::EngineError& error, std::string_view text) const;

    sqlite3* db_ = nullptr;
    std::string path_;
    int busyTimeoutMs_ = 0;
    std::unique_ptr<tsql::Dialect> dialect_;
    bool readOnly_ = false;
};

} // namespace db
