#include "tsql/Lexer.h"

#include "tsql/Dialect.h"

#include <array>

namespace tsql {

namespace {

enum class CharClass : unsigned char {
    Invalid, Space, LineEnd, Letter, Digit, Quote, DoubleQuote, OpenBracket, Hash, At,
    Minus, Slash, Less, Greater, Bang, Single
};

// The class of every byte. Bytes of UTF-8 sequences count as letters, so accented names pass.
constexpr std::array<CharClass, 256> makeClassTable()
{
    std::array<CharClass, 256> table{};
    for (int c = 0; c < 256; ++c) {
        CharClass k = CharClass::Invalid;
        if (c >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_')
            k = CharClass::Letter;
        else if (c >= '0' && c <= '9')
            k = CharClass::Digit;
        table[c] = k;
    }
    table[' '] = table['\t'] = table['\f'] = table['\v'] = CharClass::Space;
    table['\r'] = table['\n'] = CharClass::LineEnd;
    table['\''] = CharClass::Quote;
    table['"'] = CharClass::DoubleQuote;
    table['['] = CharClass::OpenBracket;
    table['#'] = CharClass::Hash;
    table['@'] = CharClass::At;
    table['-'] = CharClass::Minus;
    table['/'] = CharClass::Slash;
    table['<'] = CharClass::Less;
    table['>'] = CharClass::Greater;
    table['!'] = CharClass::Bang;
    for (char c : std::string_view("+*%=(),.;"))
        table[static_cast<unsigned char>(c)] = CharClass::Single;
    return table;
}

constexpr std::array<CharClass, 256> classTable = makeClassTable();

CharClass classOf(char c) { return classTable[static_cast<unsigned char>(c)]; }

bool isNameChar(char c)
{
    CharClass k = classOf(c);
    return k == CharClass::Letter || k == CharClass::Digit || k == CharClass::Hash || k == CharClass::At
           || c == '$';
}

bool isDigit(char c) { return classOf(c) == CharClass::Digit; }

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    std::vector<Token> run()
    {
        std::vector<Token> tokens;
        for (;;) {
            skipBlanksAndComments();
            Token token = startToken();
            if (pos_ >= text_.size()) {
                tokens.push_back(token);
                return tokens;
            }
            scanToken(token);
            token.length = pos_ - token.offset;
            tokens.push_back(std::move(token));
        }
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
    size_t lineStart_ = 0;

    char peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    Token startToken() const
    {
        Token token;
        token.line = line_;
        token.column = static_cast<int>(pos_ - lineStart_) + 1;
        token.offset = pos_;
        return token;
    }

    [[noreturn]] void fail(const std::string& message, const Token& at) const
    {
        throw Error(message, at.line, at.column);
    }

    // Consumes one line end (CR LF, CR or LF) at the current position.
    void consumeLineEnd()
    {
        if (peek() == '\r' && peek(1) == '\n')
            ++pos_;
        ++pos_;
        ++line_;
        lineStart_ = pos_;
    }

    // Advances over one character of a literal or comment, keeping the line count right.
    void advanceCounted()
    {
        if (classOf(peek()) == CharClass::LineEnd)
            consumeLineEnd();
        else
            ++pos_;
    }

    void skipBlanksAndComments()
    {
        while (pos_ < text_.size()) {
            CharClass k = classOf(peek());
            if (k == CharClass::Space)
                ++pos_;
            else if (k == CharClass::LineEnd)
                consumeLineEnd();
            else if (k == CharClass::Minus && peek(1) == '-')
                while (pos_ < text_.size() && classOf(peek()) != CharClass::LineEnd)
                    ++pos_;
            else if (k == CharClass::Slash && peek(1) == '*')
                skipBlockComment();
            else
                return;
        }
    }

    // Block comments nest in T-SQL.
    void skipBlockComment()
    {
        Token start = startToken();
        int depth = 0;
        do {
            if (pos_ >= text_.size())
                fail("unterminated comment", start);
            if (peek() == '/' && peek(1) == '*') {
                ++depth;
                pos_ += 2;
            } else if (peek() == '*' && peek(1) == '/') {
                --depth;
                pos_ += 2;
            } else {
                advanceCounted();
            }
        } while (depth > 0);
    }

    void scanToken(Token& token)
    {
        switch (classOf(peek())) {
        case CharClass::Letter:
            if ((peek() == 'N' || peek() == 'n') && peek(1) == '\'') {
                ++pos_;
                scanQuoted(token, '\'', TokenKind::NString, "unterminated string");
            } else {
                scanName(token, TokenKind::Identifier);
            }
            return;
        case CharClass::Hash:
            scanName(token, TokenKind::Identifier);
            return;
        case CharClass::At:
            scanName(token, TokenKind::Variable);
            return;
        case CharClass::Digit:
            scanNumber(token);
            return;
        case CharClass::Quote:
            scanQuoted(token, '\'', TokenKind::String, "unterminated string");
            return;
        case CharClass::DoubleQuote:
            scanQuoted(token, '"', TokenKind::Identifier, "unterminated quoted name");
            token.quoted = true;
            return;
        case CharClass::OpenBracket:
            scanQuoted(token, ']', TokenKind::Identifier, "unterminated bracketed name");
            token.quoted = true;
            return;
        case CharClass::Less:
            scanOperator(token, peek(1) == '>' || peek(1) == '=' ? 2 : 1);
            return;
        case CharClass::Greater:
            scanOperator(token, peek(1) == '=' ? 2 : 1);
            return;
        case CharClass::Bang:
            if (peek(1) != '=')
                fail("unexpected character '!'", token);
            scanOperator(token, 2);
            return;
        case CharClass::Minus:
        case CharClass::Slash:
        case CharClass::Single:
            scanOperator(token, 1);
            return;
        case CharClass::Space:
        case CharClass::LineEnd:
        case CharClass::Invalid:
            break;
        }
        fail("unexpected character '" + std::string(1, peek()) + "'", token);
    }

    void scanName(Token& token, TokenKind kind)
    {
        size_t start = pos_;
        ++pos_;
        while (pos_ < text_.size() && isNameChar(peek()))
            ++pos_;
        token.kind = kind;
        token.text = std::string(text_.substr(start, pos_ - start));
        if (kind == TokenKind::Identifier) {
            token.keyword = keywordOf(token.text);
            if (token.keyword != Keyword::None)
                token.kind = TokenKind::Keyword;
        }
    }

    // A literal or name between delimiters, where a doubled closing delimiter stands for itself.
    void scanQuoted(Token& token, char close, TokenKind kind, const char* unterminated)
    {
        ++pos_;
        std::string value;
        for (;;) {
            if (pos_ >= text_.size())
                fail(unterminated, token);
            if (peek() == close) {
                if (peek(1) != close)
                    break;
                value += close;
                pos_ += 2;
                continue;
            }
            size_t before = pos_;
            advanceCounted();
            value.append(text_.substr(before, pos_ - before));
        }
        ++pos_;
        token.kind = kind;
        token.text = std::move(value);
    }

    void scanNumber(Token& token)
    {
        size_t start = pos_;
        token.kind = TokenKind::Integer;
        while (isDigit(peek()))
            ++pos_;
        if (peek() == '.') {
            token.kind = TokenKind::Decimal;
            ++pos_;
            while (isDigit(peek()))
                ++pos_;
        }
        if ((peek() == 'e' || peek() == 'E')
            && (isDigit(peek(1)) || ((peek(1) == '+' || peek(1) == '-') && isDigit(peek(2))))) {
            token.kind = TokenKind::Float;
            pos_ += 2;
            while (isDigit(peek()))
                ++pos_;
        }
        if (isNameChar(peek()))
            fail("invalid number", token);
        token.text = std::string(text_.substr(start, pos_ - start));
    }

    void scanOperator(Token& token, size_t length)
    {
        token.kind = TokenKind::Operator;
        token.text = std::string(text_.substr(pos_, length));
        pos_ += length;
    }
};

}  // namespace

std::vector<Token> tokenize(std::string_view text) { return Lexer(text).run(); }

}  // namespace tsql
