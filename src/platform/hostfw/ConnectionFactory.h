#pragma once
// The framework's connection factory: every program window opens its own database connection
// through it, from the session's connection string, so that its temporary tables are its own.

#include "db/Connection.h"

#include <QString>

#include <memory>

namespace hostfw {

class ConnectionFactory {
public:
    // An open connection; throws db::Error with a readable message when it cannot be opened.
    std::shared_ptr<db::Connection> Open(const QString& connectionString) const;
};

} // namespace hostfw
