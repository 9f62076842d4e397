// The SQL functions the translated statements call where SQLite has no equivalent of T-SQL's.
#pragma once

struct sqlite3;

namespace tsql {

// Registers on the connection: tsql_datetime(x), tsql_datepart(part, d), tsql_datediff(part, a, b),
// tsql_dateadd(part, n, d), tsql_round(x, digits, scale), tsql_decimal_text(x, scale) and the aggregate
// tsql_sum_decimal(x, scale). Dates are the storage text 'YYYY-MM-DD HH:MM:SS'.
void registerRuntimeFunctions(sqlite3* db);

}  // namespace tsql
