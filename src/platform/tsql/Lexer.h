// Splits T-SQL text into tokens, with line and column of each.
#pragma once

#include "tsql/Token.h"

#include <string_view>
#include <vector>

namespace tsql {

// Tokenizes the whole text; the last token is TokenKind::End. Comments and blanks are skipped; CR LF, CR
// and LF all end a line. Throws tsql::Error for an unterminated string, comment or bracketed name, or a
// character outside the language.
std::vector<Token> tokenize(std::string_view text);

}  // namespace tsql
