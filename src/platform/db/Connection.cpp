#include "db/Connection.h"

#include "db/ConnectionString.h"
#include "db/Error.h"
#include "db/OdbcConnection.h"
#include "db/SqliteConnection.h"

#include <cctype>

namespace db {

// "Provider=SQLite" chooses the embedded engine; a string naming an ODBC driver or data source goes to ODBC.
std::unique_ptr<Connection> Connection::open(const std::string& connectionString)
{
    ConnectionString parts(connectionString);
    std::string provider = parts.value("Provider");
    for (char& c : provider)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (provider == "sqlite")
        return std::make_unique<SqliteConnection>(connectionString);
    if (parts.has("Driver") || parts.has("DSN"))
        return std::make_unique<OdbcConnection>(connectionString);
    throw Error("Unknown kind of connection string (neither Provider=SQLite nor an ODBC Driver or DSN): "
                + maskPasswords(connectionString));
}

} // namespace db
