// SQL Server's type conversions, made explicit in the tree for SQLite, which stores dates as text, decimals
// as plain numbers and has no declared types on expressions.
#pragma once

#include "tsql/Ast.h"

#include <optional>

namespace tsql {

// Rewrites `expr` so that its value is stored as `target` expects, as SQL Server converts implicitly:
// a 'YYYYMMDD' text becomes a date, '' becomes 0 for an integer, a number becomes text. Constants are
// converted here, others at run time. Throws tsql::Error for a constant that cannot be converted.
void convertImplicitly(ExprPtr& expr, const SqlType& target);

// CAST / CONVERT: like the implicit conversion, and also rounds to a decimal's scale (an overflow when the
// value does not fit its precision), truncates to an integer, cuts text to the target size (a number too
// long for it is '*' in CHAR or VARCHAR when an integer, an error otherwise) and pads CHAR. A CONVERT
// style gives the text form of a date in either direction. The result carries the target type.
void castExplicitly(ExprPtr& expr, const SqlType& target, std::optional<int> style = std::nullopt);

// Converts the lower-precedence side of a comparison to the type of the other (a text meeting a date
// becomes a date, a text meeting a number becomes a number).
void unifyForComparison(ExprPtr& left, ExprPtr& right);

// The scale at which the runtime functions read a number of this type: a decimal's own, 0 for an integer.
int storedScale(const SqlType& type);

// A checked SQLite call name(args...) of the given type.
ExprPtr nativeCall(std::string name, std::vector<ExprPtr> args, const SqlType& type, Position pos);
// A checked constant.
ExprPtr stringLiteral(std::string value, Position pos);
ExprPtr integerLiteral(long long value, Position pos);

}  // namespace tsql
