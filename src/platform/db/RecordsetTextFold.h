#pragma once
// Case folding for the record set's field names and its LIKE patterns, which match without regard to case
// as the client cursor of ADO does. Equality and order of texts follow the company database's collation
// instead (RecordsetDictionary.h).

#include <string>
#include <string_view>

namespace db {

// The case-folded form of a UTF-8 text.
std::string foldCase(std::string_view utf8);
// Plain ASCII, most of a ledger's texts, folds without the Unicode tables.
bool isAscii(std::string_view utf8);

} // namespace db
