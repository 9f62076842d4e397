#pragma once
// Statements and movement filters carry values as literals between single quotes, a quote inside written
// twice. What a user typed or the database stored lives inside them; a search or a replacement over the
// text's own words (a column name, a separator) must pass them by, or a stored "|" or column name would
// change what the text says.

#include <string>
#include <string_view>

namespace db {

// The position of the first `c` outside quoted literals, or npos.
std::size_t findOutsideLiterals(std::string_view text, char c);

// The text with every occurrence of `word` outside quoted literals, in any letter case, replaced.
std::string replaceOutsideLiterals(std::string_view text, std::string_view word, std::string_view replacement);

} // namespace db
