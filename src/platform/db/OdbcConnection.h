#pragma once
// SQL Server through ODBC (unixODBC with FreeTDS), by Qt's QODBC driver. The T-SQL text goes out unchanged:
// the server is the dialect's home. Not exercised by the test suite, which has no server to talk to.

#include "db/Connection.h"

#include <QString>

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
    QString name_; // Qt's registry name of this connection, unique per object
};

} // namespace db
