#pragma once
// A parsed Filter: clauses "field operator value" joined by AND and OR, with field names resolved to
// column numbers and values kept as written until they meet their column's type.

#include <string>
#include <vector>

namespace db {

enum class RecordsetFilterOp { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual, Like };

struct RecordsetFilterLiteral {
    enum class Kind { Text, Number, Date, Null };
    Kind kind = Kind::Null;
    std::string text;          // as written, without quotes or #
};

struct RecordsetFilterExpr {
    enum class Kind { And, Or, Clause };
    Kind kind = Kind::Clause;
    std::vector<RecordsetFilterExpr> children;   // And, Or
    int column = -1;                             // Clause
    RecordsetFilterOp op = RecordsetFilterOp::Equal;
    RecordsetFilterLiteral literal;
};

} // namespace db
