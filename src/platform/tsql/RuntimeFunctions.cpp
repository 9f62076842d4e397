#include "tsql/RuntimeFunctions.h"

#include "tsql/Collation.h"

namespace tsql {

void registerRuntimeFunctions(sqlite3* db)
{
    registerDateFunctions(db);
    registerDecimalFunctions(db);
    registerTextFunctions(db);
    registerCollation(db);
}

void registerScalars(sqlite3* db, std::initializer_list<ScalarFunction> functions)
{
    for (const ScalarFunction& f : functions)
        sqlite3_create_function_v2(db, f.name, f.arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, f.function,
                                   nullptr, nullptr, nullptr);
}

const char* textArgument(sqlite3_value* value)
{
    return reinterpret_cast<const char*>(sqlite3_value_text(value));
}

}  // namespace tsql
