// Tokens of the T-SQL subset: what the lexer hands to the parser.
#pragma once

#include <string>
#include <string_view>

namespace tsql {

// Reserved words of the subset. Function names, data type names and date parts are plain identifiers.
enum class Keyword {
    None, All, And, Apply, As, Asc, Between, By, Case, Constraint, Create, Cross, Default, Delete, Desc,
    Distinct, Drop, Else, End, Exists, From, Full, Function, Go, Group, Having, In, Index, Inner, Insert,
    Into, Is, Join, Key, Left, Like, Not, Null, On, Or, Order, Outer, Percent, Primary, Return, Returns,
    Right, Select, Set, Table, Then, Top, Union, Unique, Update, Values, View, When, Where, With
};

enum class TokenKind {
    End,         // after the last token
    Identifier,  // plain, [bracketed] or "quoted"; temporary tables (#T) included
    Variable,    // @name
    Keyword,
    Integer,     // 123
    Decimal,     // 12.50
    Float,       // 1.5E3
    String,      // 'text' (text holds the value, quotes undoubled)
    NString,     // N'text'
    Operator     // + - * / % = <> != < <= > >= ( ) , . ;
};

struct Token {
    TokenKind kind = TokenKind::End;
    Keyword keyword = Keyword::None;
    std::string text;      // identifier without brackets, literal value, operator spelling
    bool quoted = false;   // an identifier written [like this] or "like this": never a keyword
    int line = 1;
    int column = 1;
    size_t offset = 0;     // byte range in the source text
    size_t length = 0;

    bool is(Keyword k) const { return kind == TokenKind::Keyword && keyword == k; }
    bool isOperator(std::string_view op) const { return kind == TokenKind::Operator && text == op; }
};

// The keyword spelled by an identifier (any letter case), or Keyword::None.
Keyword keywordOf(std::string_view word);

// The spelling of a keyword, in upper case, for error messages.
std::string_view keywordName(Keyword keyword);

}  // namespace tsql
