#include "report/formula/Lexer.h"

#include "report/formula/Number.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace report::formula {

namespace {

// A formula longer than this is no formula a report holds; its tree would only exhaust the stack later.
constexpr std::size_t maxTokens = 4000;

enum class CharClass { Space, Letter, Digit, Quote, Brace, Slash, Symbol, Other };

CharClass classOf(unsigned char c)
{
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
        return CharClass::Space;
    if (std::isalpha(c) || c == '_' || c >= 0x80)
        return CharClass::Letter;
    if (std::isdigit(c) || c == '.')
        return CharClass::Digit;
    switch (c) {
    case '"':
    case '\'': return CharClass::Quote;
    case '{': return CharClass::Brace;
    case '/': return CharClass::Slash;
    case '+': case '-': case '*': case '&': case '=': case '<': case '>': case ':': case '(': case ')':
    case ',': case ';': case '^': case '%': case '[': case ']':
        return CharClass::Symbol;
    default: return CharClass::Other;
    }
}

class Lexer {
public:
    Lexer(std::string_view name, std::string_view text) : name_(name), text_(text) {}

    std::vector<Token> run()
    {
        std::vector<Token> tokens;
        while (skipBlanksAndComments(), at_ < text_.size()) {
            tokens.push_back(next());
            if (tokens.size() > maxTokens)
                throw FormulaError(name_, text_, tokens.back().span,
                                   "the formula is longer than " + std::to_string(maxTokens)
                                       + " names, numbers and signs");
        }
        tokens.push_back(Token{Token::Kind::End, {}, {text_.size(), 0}});
        return tokens;
    }

private:
    void skipBlanksAndComments()
    {
        while (at_ < text_.size()) {
            if (classOf(static_cast<unsigned char>(text_[at_])) == CharClass::Space)
                ++at_;
            else if (text_.substr(at_, 2) == "//")
                at_ = std::min(text_.find('\n', at_), text_.size());
            else
                return;
        }
    }

    Token next()
    {
        const std::size_t start = at_;
        switch (classOf(static_cast<unsigned char>(text_[at_]))) {
        case CharClass::Letter: return finish(Token::Kind::Name, start, takeWhile(CharClass::Letter));
        case CharClass::Digit: return number(start);
        case CharClass::Quote: return string(start);
        case CharClass::Brace: return reference(start);
        case CharClass::Slash: ++at_; return finish(Token::Kind::Symbol, start, "/");
        case CharClass::Symbol: return symbol(start);
        default: break;
        }
        throw FormulaError(name_, text_, {start, 1}, "unexpected character '" + std::string(1, text_[start]) + "'");
    }

    std::string takeWhile(CharClass first)
    {
        const std::size_t start = at_;
        while (at_ < text_.size()) {
            CharClass c = classOf(static_cast<unsigned char>(text_[at_]));
            if (c != first && !(first == CharClass::Letter && c == CharClass::Digit && text_[at_] != '.'))
                break;
            ++at_;
        }
        return std::string(text_.substr(start, at_ - start));
    }

    Token number(std::size_t start)
    {
        std::string digits = takeWhile(CharClass::Digit);
        if (digits == "." || digits.find('.') != digits.rfind('.'))
            throw FormulaError(name_, text_, {start, digits.size()}, "malformed number '" + digits + "'");
        bool fits = false;
        try {
            fits = Number::parse(digits).has_value();
        } catch (const NumberError&) {
        }
        if (!fits)
            throw FormulaError(name_, text_, {start, digits.size()},
                               "the number has more digits than a number holds (38, of which 20 decimals)");
        return finish(Token::Kind::Number, start, digits);
    }

    Token string(std::size_t start)
    {
        const char quote = text_[at_++];
        std::string content;
        while (at_ < text_.size()) {
            if (text_[at_] == quote) {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == quote) {
                    content += quote;
                    at_ += 2;
                    continue;
                }
                ++at_;
                return finish(Token::Kind::String, start, content);
            }
            content += text_[at_++];
        }
        throw FormulaError(name_, text_, {start, 1}, "the string that starts here is not closed");
    }

    Token reference(std::size_t start)
    {
        const std::size_t close = text_.find('}', at_);
        if (close == std::string_view::npos)
            throw FormulaError(name_, text_, {start, 1}, "the reference that starts here is not closed with '}'");
        std::string inside(text_.substr(at_ + 1, close - at_ - 1));
        at_ = close + 1;
        Token::Kind kind = Token::Kind::Field;
        if (!inside.empty() && (inside[0] == '@' || inside[0] == '?')) {
            kind = inside[0] == '@' ? Token::Kind::FormulaRef : Token::Kind::ParameterRef;
            inside.erase(0, 1);
        }
        if (inside.empty())
            throw FormulaError(name_, text_, {start, at_ - start}, "empty reference");
        return finish(kind, start, inside);
    }

    Token symbol(std::size_t start)
    {
        static const char* twoCharacter[] = {"<>", "<=", ">=", ":="};
        for (const char* pair : twoCharacter)
            if (text_.substr(at_, 2) == pair) {
                at_ += 2;
                return finish(Token::Kind::Symbol, start, pair);
            }
        return finish(Token::Kind::Symbol, start, std::string(1, text_[at_++]));
    }

    Token finish(Token::Kind kind, std::size_t start, std::string text) const
    {
        return Token{kind, std::move(text), {start, at_ - start}};
    }

    std::string_view name_;
    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

bool sameWord(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool Token::isKeyword(std::string_view keyword) const { return kind == Kind::Name && sameWord(text, keyword); }

std::vector<Token> tokenize(std::string_view formulaName, std::string_view text)
{
    return Lexer(formulaName, text).run();
}

} // namespace report::formula
