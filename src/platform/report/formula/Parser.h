#pragma once
// Parses a formula text into its tree.
//
//   formula    := statement { ";" statement } [";"]           the value of the last statement
//   statement  := declaration | name ":=" expression | expression
//   declaration:= ("NumberVar" | "StringVar" | "BooleanVar" | "DateVar") name [":=" expression]
//   expression := "If" expression "Then" statement ["Else" statement]
//               | "Select" expression { "Case" label {"," label} ":" statement } ["Default" ":" statement]
//               | binary, by precedence: Or < And < Not < comparisons < & < + - < * / < unary minus
//   label      := expression ["To" expression] | "Is" comparison expression
//   primary    := number | string | True | False | {reference} | name "(" arguments ")" | name
//               | "(" formula ")"

#include "report/formula/Ast.h"

#include <string_view>

namespace report::formula {

// Throws FormulaError naming `formulaName`, the line and the column of the first token it cannot take.
NodePtr parseFormula(std::string_view formulaName, std::string_view text);

} // namespace report::formula
