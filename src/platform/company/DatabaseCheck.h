#pragma once
// The check made before a company database is opened: the file exists, can be read, is an embedded
// database, and holds every object of the company schema.

#include <string>

namespace company {

// Throws db::Error with a message naming the file and what is missing or wrong.
void checkCompanyDatabase(const std::string& path);

} // namespace company
