// LIKE as T-SQL matches: % any run of characters, _ any one, [abc] one of a set, [a-f] one within a range
// (in the collation's order, so [a-c] takes à), [^a] any but those; an ESCAPE character makes the next
// one plain. Letters match without regard to case, accents as written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tsql {

// `escape` is 0 when there is none. Trailing blanks count when either side is Unicode (NVARCHAR) and are
// ignored between plain (VARCHAR) texts, as SQL Server does.
bool likeMatches(std::string_view text, std::string_view pattern, char32_t escape, bool blanksCount);

// The fixed text a pattern starts with when nothing but a final % follows it ("Ro%" gives "Ro"), or the
// whole pattern when it has no wildcard at all (then `whole` is set); nothing for any other pattern. Rows
// that match lie in a range of the collation from there, which an index finds.
std::optional<std::string> fixedPrefix(std::string_view pattern, char32_t escape, bool& whole);

}  // namespace tsql
