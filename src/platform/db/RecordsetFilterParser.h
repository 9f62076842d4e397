#pragma once
// Reads ADO's Filter syntax:
//   filter  := orTerm
//   orTerm  := andTerm { OR andTerm }
//   andTerm := primary { AND primary }
//   primary := "(" orTerm ")" | field op value
//   op      := = | <> | < | > | <= | >= | LIKE
//   value   := 'text' | #date# | number | NULL
// AND binds tighter than OR and parentheses nest freely: every grouping ADO accepts means the same here,
// and a few it refuses are read in the ordinary way. Keywords and field names ignore case.

#include "RecordsetFilterExpr.h"

#include <string_view>

namespace db {

class RecordsetData;

// A malformed filter or an unknown field is a db::Error naming the token and its position.
RecordsetFilterExpr parseFilter(std::string_view filter, const RecordsetData& data);

} // namespace db
