#include "ConnectionFactory.h"

#include "db/Error.h"

namespace hostfw {

std::shared_ptr<db::Connection> ConnectionFactory::Open(const QString& connectionString) const
{
    if (connectionString.trimmed().isEmpty())
        throw db::Error("the session gives no connection string to open the company database");
    return db::Connection::open(connectionString.toStdString());
}

} // namespace hostfw
