#pragma once
// The check made before a company database is opened: the file exists, is a file, can be read, is an
// embedded database, and holds every object of the company schema.

#include "db/Connection.h"

#include <string>

namespace company {

// Throws db::Error with a message naming the file and what is missing or wrong: it does not exist, it is a
// folder, a pipe or a device, it is not a SQLite file, it is damaged or busy (db::EngineFailure), or it lacks
// objects of the company schema (naming them).
void checkCompanyDatabase(const std::string& path);

// The schema part of the check over an open connection (an ODBC one included); `name` is what the message
// calls the database.
void checkCompanySchema(db::Connection& connection, const std::string& name);

} // namespace company
