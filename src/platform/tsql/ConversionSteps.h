// The conversions Coercion.cpp composes, by target: numbers (NumberConversions.cpp) and texts
// (TextConversions.cpp). Each rewrites `expr` in place into the checked form that stores the target.
#pragma once

#include "tsql/Ast.h"

namespace tsql {

// A text constant read now as a number of the target type; throws tsql::Error with SQL Server's message
// when it is none or does not fit.
void foldNumber(Expr& expr, const SqlType& target);
// A text read as a decimal at run time.
void convertAtRunTime(ExprPtr& expr, const SqlType& target);
void castToDecimal(ExprPtr& expr, const SqlType& target);
void castToInteger(ExprPtr& expr, const SqlType& target);
void castToBit(ExprPtr& expr);
// CAST(expr AS sqliteType), carrying `type`.
void nativeCast(ExprPtr& expr, const char* sqliteType, const SqlType& type);

// A value's text as SQL Server writes it when converting implicitly: a decimal at its scale (money with
// two decimals), a date in the style's form (0: the default of its type).
void textOfValue(ExprPtr& expr, const SqlType& target, int style);
void castToText(ExprPtr& expr, const SqlType& target, int style);

// The name SQL Server's messages give a type: "int", "numeric", "nvarchar".
std::string messageName(const SqlType& type);

}  // namespace tsql
