#pragma once
// Where a command finds the company database: a file given by its path (--db PATH), or SQL Server given by
// an ODBC connection string (--connect STRING). A path is a path: it reaches a connection string only as a
// quoted value, so no file name can add an option to it or name another database.

#include "CommandLine.h"

#include "db/Connection.h"

#include <memory>
#include <optional>
#include <string>

struct DatabaseOption {
    std::string path;        // --db
    std::string connection;  // --connect
};

// The one of --db and --connect the command line gives; nothing when it gives neither or both.
std::optional<DatabaseOption> databaseOption(const CommandLine& line);

// The read-only connection string of the database.
std::string connectionString(const DatabaseOption& database);

// The company database, checked and opened read-only: a file passes the whole database check, a server
// the check of the company schema. Throws db::Error naming the database and what is wrong.
std::unique_ptr<db::Connection> openCompanyDatabase(const DatabaseOption& database);
