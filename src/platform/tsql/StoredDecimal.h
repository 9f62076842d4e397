// Decimals as the embedded engine holds them. SQLite has no decimal type: a value is an INTEGER when it is
// whole, a REAL when its units stay below 2^52 (every decimal of up to 15 digits, so the double gives it
// back exactly at its type's scale), and otherwise its exact text. Reading one always needs the scale of
// its T-SQL type, which the translation knows.
#pragma once

#include "tsql/Decimal.h"

#include <optional>

struct sqlite3_context;
struct sqlite3_value;

namespace tsql {

// The decimal a stored value stands for at `scale`, or nothing for NULL. A text that is no number is
// "Error converting data type nvarchar to numeric."; a value beyond 38 digits an overflow.
std::optional<Decimal> readDecimal(sqlite3_value* value, int scale);
void resultDecimal(sqlite3_context* context, const Decimal& value);

// How a decimal is stored: the whole number when it is one within 64 bits, the double when its units
// stay below 2^52, or else its text.
enum class StoredForm { Integer, Real, Text };
StoredForm storedForm(const Decimal& value);

// Where the converting functions (tsql_to_decimal, tsql_to_integer) read a value from: an exact number is
// given by its scale (0 and up), a float and a text by these.
constexpr int fromFloat = -1;
constexpr int fromText = -2;

}  // namespace tsql
