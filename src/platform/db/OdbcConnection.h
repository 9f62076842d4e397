#pragma once
// SQL Server through ODBC (unixODBC with FreeTDS), by Qt's QODBC driver. The T-SQL text goes out unchanged:
// the server is the dialect's home. A server whose driver reports it is SQLite (the SQLite ODBC driver, which
// the tests run this path with) gets the dialect layer's translation, as the embedded file does: the driver
// loads the runtime functions' extension and the catalog is read through the connection.

#include "db/Connection.h"

#include <QString>

#include <memory>

namespace tsql { class Dialect; struct Step; }

namespace db {

class OdbcConnection final : public Connection {
public:
    explicit OdbcConnection(const std::string& connectionString);
    ~OdbcConnection() override;

    long Execute(std::string_view text) override;
    Recordset Open(std::string_view text) override;
    void Close() override;
    bool isOpen() const override;

private:
    void open(const std::string& connectionString);
    void translateForSqlite();
    long runTranslated(std::string_view text, Recordset* rows);
    long runStep(const tsql::Step& step, std::string_view text, Recordset* rows);

    QString name_; // Qt's registry name of this connection, unique per object
    std::unique_ptr<tsql::Dialect> dialect_;   // only when the server is SQLite
};

} // namespace db
