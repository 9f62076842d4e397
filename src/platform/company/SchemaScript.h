#pragma once
// The company schema script (schema.sql), built into the library, and what it creates.

#include "db/Connection.h"

#include <string>
#include <string_view>
#include <vector>

namespace company {

// The whole T-SQL script: one object per batch, batches separated by lines holding only GO.
std::string_view schemaScript();

// Creates every table, index, view and function of the script on an empty database.
void loadSchema(db::Connection& connection);

// A table, view or inline table function that the script creates.
struct SchemaObject {
    enum class Kind { Table, View, Function };
    Kind kind = Kind::Table;
    std::string name;
    int parameterCount = 0;   // functions only
};

// The objects of the script, in script order.
std::vector<SchemaObject> schemaObjects();

} // namespace company
