// The runtime functions and the collation as a SQLite extension: a connection that reaches SQLite through
// a driver (the SQLite ODBC driver's LoadExt) loads it, so that the statements the dialect layer translates
// find the functions they call, as on the embedded engine. The driver and this library share the process's
// one SQLite library, so the functions are registered with its own calls.

#include "tsql/RuntimeFunctions.h"

#include <sqlite3.h>

extern "C" __attribute__((visibility("default"))) int sqlite3_extension_init(sqlite3* db, char**, const void*)
{
    tsql::registerRuntimeFunctions(db);
    return SQLITE_OK;
}
