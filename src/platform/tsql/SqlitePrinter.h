// Writes a checked tree as SQLite text.
#pragma once

#include "tsql/Ast.h"

#include <string>

namespace tsql {

std::string quoteIdentifier(const std::string& name);
std::string quoteString(const std::string& value);

// The SQLite text of a checked query, with every result column named as the T-SQL statement names it.
std::string printSelect(const Select& select);
std::string printExpr(const Expr& expr);

}  // namespace tsql
