#pragma once
// Splits a formula text into tokens. References in braces are single tokens: {TABLE.FIELD} a database
// field, {@name} a formula, {?name} a parameter. Strings are "…" with "" for a quote inside, or '…' with
// ''; "//" starts a comment that runs to the end of the line. Keywords are names: the parser tells them
// apart without regard to case.

#include "report/formula/FormulaError.h"

#include <string>
#include <string_view>
#include <vector>

namespace report::formula {

struct Token {
    enum class Kind { End, Number, String, Name, Field, FormulaRef, ParameterRef, Symbol };
    Kind kind = Kind::End;
    std::string text;   // the name, the string's content, the reference inside its braces, or the symbol
    Span span;

    bool isSymbol(std::string_view symbol) const { return kind == Kind::Symbol && text == symbol; }
    bool isKeyword(std::string_view keyword) const;
};

// Names and keywords compare without regard to case.
bool sameWord(std::string_view a, std::string_view b);

// Throws FormulaError (named `formulaName`) at an unterminated string or reference or a stray character.
std::vector<Token> tokenize(std::string_view formulaName, std::string_view text);

} // namespace report::formula
