#pragma once
// The columns of the key table: one per break level, typed after the level's column so that a node's row
// holds the group's values as the movement set does, and an empty value has a marker of the column's type.

#include "db/Field.h"
#include "db/Value.h"

#include <string_view>

namespace quorvane {

// The key-table column of a level. `qualifiedColumn` is the level's Campo (an attribute column, which
// begins "CO5L_", is variable text of 100 under its name without qualifier); `movementField` is the
// movement set's field of the same column, whose width serves a column the type table does not list.
db::FieldInfo keyColumn(std::string_view qualifiedColumn, const db::FieldInfo& movementField);

// What a node's row holds for an empty group value: the zero date (30 December 1899) in a date-time
// column, −1 in a numeric column, blanks of the column's full width in a text column.
db::Value emptyMarker(const db::FieldInfo& column);

// Whether the movement filter compares the column's values as quoted literals (texts and dates).
bool isQuotedInFilter(const db::FieldInfo& column);

} // namespace quorvane
