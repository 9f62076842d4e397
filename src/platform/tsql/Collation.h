// Text compares as SQL Server's default collation of an Italian installation, Latin1_General_CI_AS:
// without regard to case, accent-sensitive, trailing blanks ignored. The collation is registered on every
// connection under that name; the dialect declares it on the text columns it creates and names it on
// every comparison, grouping and ordering of texts, so that "ROSSI" finds "Rossi " through an index.
#pragma once

#include <string>
#include <string_view>

struct sqlite3;

namespace tsql {

constexpr const char* collationName = "Latin1_General_CI_AS";

// Negative, zero or positive as a sorts before, together with or after b. Letters sort by their plain
// letter first (à between a and b), then by accent; a hyphen or an apostrophe only decides between
// texts otherwise equal ("co-op" next to "coop"); symbols before digits before letters.
int compareText(std::string_view a, std::string_view b);

// The form of a text that another text shares exactly when the collation calls the two equal (its
// characters in upper case, without trailing blanks): a key for hashing texts as the collation groups them.
std::string equalityKey(std::string_view text);

// Whether two characters are the same for the collation: equal once in upper case.
bool sameCharacter(char32_t a, char32_t b);

void registerCollation(sqlite3* db);

}  // namespace tsql
