// Recursive-descent parser of the T-SQL subset the system emits.
#pragma once

#include "tsql/Ast.h"

#include <string_view>
#include <vector>

namespace tsql {

// Parses one T-SQL text holding one or more statements, separated by `;` or simply following each other.
// Throws tsql::Error naming the offending token, its line and column, for anything outside the subset.
std::vector<Statement> parseStatements(std::string_view text);

}  // namespace tsql
