#pragma once
// The columns of the key table: one per break level, typed after the level's column in the movement set,
// so that a node's row holds the group's values as the movement set does and an empty value has a marker
// of the column's type. The movement set knows what a column holds better than any list kept beside it:
// the intercompany code, for one, is a number in some company databases and a text code in others.

#include "db/Field.h"
#include "db/Value.h"

#include <string_view>

namespace quorvane {

// The key-table column of a level: named after the level's Campo without attribute qualifiers, with the
// type of the movement set's field of that column. A level without a column (a date row without a
// period) keeps an empty text column under the name `placeholder`.
db::FieldInfo keyColumn(std::string_view qualifiedColumn, const db::FieldInfo* movementField,
                        std::string_view placeholder);

// What a node's row holds for an empty group value: the zero date (30 December 1899) in a date-time
// column, −1 in a numeric column, blanks of the column's full width in a text column.
db::Value emptyMarker(const db::FieldInfo& column);

// Whether the movement filter compares the column's values as quoted literals (texts and dates).
bool isQuotedInFilter(const db::FieldInfo& column);

} // namespace quorvane
