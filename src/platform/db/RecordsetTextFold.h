#pragma once
// Text comparison of the record set. Filters and sorts compare texts without regard to case, as the
// client cursor of ADO does: Filter "CONTO='abc'" finds "ABC". Folding keeps everything else: accents,
// blanks (trailing ones included) and the empty text, which stays distinct from NULL.

#include <string>
#include <string_view>

namespace db {

// The case-folded form of a UTF-8 text; equal folds mean equal texts for Filter and Sort, and the byte
// order of folds is the sort order of texts.
std::string foldCase(std::string_view utf8);

} // namespace db
