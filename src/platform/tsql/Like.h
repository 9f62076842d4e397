// LIKE as T-SQL matches: % any run of characters, _ any one, [abc] one of a set, [a-f] one within a range
// (in the collation's order, so [a-c] takes à), [^a] any but those; an ESCAPE character makes the next
// one plain. Letters match without regard to case, accents as written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tsql {

// A pattern read once, for all the rows a statement matches against it. `escape` is 0 when there is
// none. Trailing blanks count when either side is Unicode (NVARCHAR) and are ignored between plain
// (VARCHAR) texts, as SQL Server does.
class LikePattern {
public:
    LikePattern(std::string_view pattern, char32_t escape, bool blanksCount);
    ~LikePattern();
    bool matches(std::string_view text) const;
    // Whether the pattern was read from these arguments.
    bool readFrom(std::string_view pattern, char32_t escape, bool blanksCount) const;

    struct Element;

private:
    std::string source_;
    char32_t escape_;
    bool blanksCount_;
    std::vector<Element> elements_;
};

bool likeMatches(std::string_view text, std::string_view pattern, char32_t escape, bool blanksCount);

// The fixed text a pattern starts with when nothing but a final % follows it ("Ro%" gives "Ro"), or the
// whole pattern when it has no wildcard at all (then `whole` is set); nothing for any other pattern. Rows
// that match lie in a range of the collation from there, which an index finds.
std::optional<std::string> fixedPrefix(std::string_view pattern, char32_t escape, bool& whole);

}  // namespace tsql
