#pragma once
// When two movement lines belong to one group: when the company database calls their values equal. Texts
// compare under its collation (case and trailing blanks do not count, accents do), and a line without a
// value, NULL or a text of blanks, falls in the one group "(nessun valore)". The tree breaks, names and
// filters its groups so, and the server's own grouping and the printed ledger group the same lines.

#include "db/Value.h"

#include <string>

namespace quorvane {

// NULL, the empty text or a text of blanks.
bool holdsNoValue(const db::Value& value);

// Whether the two values fall in one group.
bool sameGroupValue(const db::Value& a, const db::Value& b);

// A form of the value that another value shares exactly when the two fall in one group.
std::string groupValueKey(const db::Value& value);

} // namespace quorvane
