#include "DatabaseOption.h"

#include "company/DatabaseCheck.h"
#include "db/ConnectionString.h"

std::optional<DatabaseOption> databaseOption(const CommandLine& line)
{
    const std::optional<std::string> path = line.option("--db"), connection = line.option("--connect");
    if (path.has_value() == connection.has_value())
        return std::nullopt;
    return DatabaseOption{path.value_or(""), connection.value_or("")};
}

std::string connectionString(const DatabaseOption& database)
{
    return database.connection.empty() ? db::embeddedDatabase(database.path, db::Access::ReadOnly)
                                       : database.connection;
}

// A server is named in messages by its database or data source, never by the whole string.
std::unique_ptr<db::Connection> openCompanyDatabase(const DatabaseOption& database)
{
    if (database.connection.empty())
        company::checkCompanyDatabase(database.path);
    std::unique_ptr<db::Connection> connection = db::Connection::open(connectionString(database));
    if (!database.connection.empty()) {
        const db::ConnectionString parts(database.connection);
        const std::string name = parts.has("Database") ? parts.value("Database") : parts.value("DSN");
        company::checkCompanySchema(*connection, name.empty() ? db::maskPasswords(database.connection) : name);
    }
    return connection;
}
