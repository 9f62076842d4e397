#pragma once
// How a connection to SQLite runs the steps the dialect layer made of one T-SQL text, whichever way it
// reaches the engine (the embedded library or an ODBC driver).

#include "tsql/Dialect.h"

#include <functional>

namespace db {

// Runs the steps in order and answers the rows changed by the last step that changed any. A T-SQL statement
// is one unit of work even when it needs several SQLite steps (SELECT … INTO is a CREATE and an INSERT): a
// failing step undoes the earlier ones, as the server would, and its own error is the one that leaves
// (when the engine already undid the work, the undo's failure says nothing). `execute` runs one statement
// that returns nothing; the dialect forgets what it knew when the steps changed the schema.
long runTranslation(const tsql::Translation& translation, tsql::Dialect& dialect,
                    const std::function<long(const tsql::Step&)>& runStep,
                    const std::function<void(const char*)>& execute);

} // namespace db
