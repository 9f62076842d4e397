// The SQL functions the translated statements call where SQLite has no equivalent of T-SQL's, and the
// text collation; all registered on each connection. Dates are the storage text 'YYYY-MM-DD HH:MM:SS';
// decimals are read at the scale of their T-SQL type, which the translation passes along.
#pragma once

#include "tsql/Decimal.h"

#include <sqlite3.h>

#include <initializer_list>

namespace tsql {

void registerRuntimeFunctions(sqlite3* db);

// The three families, each in its own file: dates (tsql_datetime, tsql_datepart, tsql_date_text, ...),
// decimals (tsql_decimal_add, tsql_to_decimal, tsql_round, tsql_sum_decimal, ...) and texts (tsql_like,
// tsql_charindex, tsql_replace, tsql_substring, ...).
void registerDateFunctions(sqlite3* db);
void registerDecimalFunctions(sqlite3* db);
void registerTextFunctions(sqlite3* db);

using SqlFunction = void (*)(sqlite3_context*, int, sqlite3_value**);

struct ScalarFunction {
    const char* name;
    int arguments;  // -1: any number
    SqlFunction function;
};

// Registers deterministic UTF-8 scalar functions.
void registerScalars(sqlite3* db, std::initializer_list<ScalarFunction> functions);

// A function body that reports a ValueError as the statement's error, with SQL Server's message.
template <SqlFunction body>
void reportingValueErrors(sqlite3_context* context, int count, sqlite3_value** values)
{
    try {
        body(context, count, values);
    } catch (const ValueError& error) {
        sqlite3_result_error(context, error.what(), -1);
    }
}

// The text of an argument (NULL gives nullptr).
const char* textArgument(sqlite3_value* value);

}  // namespace tsql
