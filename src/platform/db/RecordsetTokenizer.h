#pragma once
// Splits ADO's Filter and Sort texts into tokens: field names (plain words or [bracketed]), 'texts' with
// doubled quotes, #dates#, numbers, comparison operators, parentheses and commas. Errors name the
// offending character and its position.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace db {

struct RecordsetToken {
    enum class Kind { Word, Text, Date, Number, Operator, OpenParen, CloseParen, Comma, End };

    Kind kind = Kind::End;
    std::string text;          // the word, the text without quotes, the date without #, the operator
    std::size_t position = 0;  // 1-based character position in the source, for messages
    bool bracketed = false;    // a [name]: never a keyword

    bool isKeyword(std::string_view upperKeyword) const;
};

// `what` names the source in messages ("filter", "sort"); a malformed text is a db::Error.
std::vector<RecordsetToken> tokenize(std::string_view source, std::string_view what);

} // namespace db
