// How deep SQLite's own parser must go for a printed text. Its stack holds about a hundred entries, and an
// expression that fits the dialect layer's limits may still not fit there once its decimal arithmetic and
// comparisons became nested function calls: such a text is refused here, with the layer's own message,
// rather than by SQLite's "parser stack overflow".
#pragma once

#include <string_view>

namespace tsql {

// Throws tsql::Error when the text nests function calls, CASE expressions, subqueries and parentheses past
// what SQLite's parser holds.
void checkParserDepth(std::string_view sqliteText);

}  // namespace tsql
