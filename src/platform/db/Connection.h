#pragma once
// ADO's Connection role: opened from a connection string, it runs command texts written in T-SQL and
// reads their rows back as client-side, static, disconnected record sets.
//
//   Provider=SQLite;Data Source=PATH[;Mode=ReadOnly]   the embedded company database; every statement
//                                                      goes through the T-SQL dialect layer
//   Driver=FreeTDS;Server=…;Database=…;UID=…;PWD=…     SQL Server through ODBC; the text goes out unchanged
//
// A failed statement throws db::Error carrying the engine's message and the statement; a failure of the
// database itself (busy past the wait, damaged, unreadable) throws db::EngineFailure naming it; nothing
// aborts. No message shows a password of the string (maskPasswords).

#include "db/Recordset.h"

#include <memory>
#include <string>
#include <string_view>

namespace db {

class Connection {
public:
    static std::unique_ptr<Connection> open(const std::string& connectionString);
    virtual ~Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs a command text that returns no records; answers the rows affected (-1 when not known).
    virtual long Execute(std::string_view text) = 0;
    // Runs a query and returns its rows as a disconnected record set; a statement that returns no rows
    // gives a closed record set, as ADO does.
    virtual Recordset Open(std::string_view text) = 0;
    // Closes the connection; its temporary tables go with it. Closing twice is harmless.
    virtual void Close() = 0;
    virtual bool isOpen() const = 0;

    const std::string& connectionString() const { return connectionString_; }

protected:
    explicit Connection(std::string connectionString) : connectionString_(std::move(connectionString)) {}

private:
    std::string connectionString_;
};

} // namespace db
