#include "RecordsetTokenizer.h"

#include "Error.h"

#include <array>

namespace db {

namespace {

enum class CharClass : unsigned char {
    Other, Space, Letter, Digit, Sign, Point, Quote, Hash, Bracket, Compare, Paren, Comma
};

constexpr std::array<CharClass, 256> makeClassTable()
{
    std::array<CharClass, 256> table{};
    for (int c = 0x80; c < 256; ++c)
        table[c] = CharClass::Letter;   // bytes of UTF-8 letters in field names
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = CharClass::Letter;
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = CharClass::Letter;
    for (int c = '0'; c <= '9'; ++c)
        table[c] = CharClass::Digit;
    table['_'] = CharClass::Letter;
    table[' '] = table['\t'] = table['\r'] = table['\n'] = CharClass::Space;
    table['-'] = table['+'] = CharClass::Sign;
    table['.'] = CharClass::Point;
    table['\''] = CharClass::Quote;
    table['#'] = CharClass::Hash;
    table['['] = CharClass::Bracket;
    table['='] = table['<'] = table['>'] = CharClass::Compare;
    table['('] = table[')'] = CharClass::Paren;
    table[','] = CharClass::Comma;
    return table;
}

constexpr auto kClass = makeClassTable();

class Tokenizer {
public:
    Tokenizer(std::string_view source, std::string_view what) : s_(source), what_(what) {}

    std::vector<RecordsetToken> run()
    {
        std::vector<RecordsetToken> tokens;
        for (skipSpaces(); i_ < s_.size(); skipSpaces())
            tokens.push_back(next());
        tokens.push_back({RecordsetToken::Kind::End, {}, s_.size() + 1, false});
        return tokens;
    }

private:
    CharClass classAt(std::size_t i) const
    {
        return i < s_.size() ? kClass[static_cast<unsigned char>(s_[i])] : CharClass::Other;
    }
    void skipSpaces()
    {
        while (classAt(i_) == CharClass::Space)
            ++i_;
    }
    [[noreturn]] void fail(const std::string& problem, std::size_t at) const
    {
        throw Error("Invalid " + std::string(what_) + " \"" + std::string(s_) + "\": " + problem + " at position "
                    + std::to_string(at + 1));
    }

    RecordsetToken next()
    {
        std::size_t start = i_;
        switch (classAt(i_)) {
        case CharClass::Letter: return word(start);
        case CharClass::Digit:
        case CharClass::Point: return number(start);
        case CharClass::Sign:
            if (classAt(i_ + 1) == CharClass::Digit || classAt(i_ + 1) == CharClass::Point)
                return number(start);
            break;
        case CharClass::Quote: return text(start);
        case CharClass::Hash:
            return delimited(start, '#', RecordsetToken::Kind::Date, "a date without its closing '#'");
        case CharClass::Bracket: {
            RecordsetToken t =
                delimited(start, ']', RecordsetToken::Kind::Word, "a field name without its closing ']'");
            t.bracketed = true;
            return t;
        }
        case CharClass::Compare: return comparison(start);
        case CharClass::Paren:
            ++i_;
            return {s_[start] == '(' ? RecordsetToken::Kind::OpenParen : RecordsetToken::Kind::CloseParen,
                    std::string(1, s_[start]), start + 1, false};
        case CharClass::Comma: ++i_; return {RecordsetToken::Kind::Comma, ",", start + 1, false};
        default: break;
        }
        fail("unexpected character '" + std::string(1, s_[start]) + "'", start);
    }

    RecordsetToken word(std::size_t start)
    {
        while (classAt(i_) == CharClass::Letter || classAt(i_) == CharClass::Digit)
            ++i_;
        return {RecordsetToken::Kind::Word, std::string(s_.substr(start, i_ - start)), start + 1, false};
    }

    RecordsetToken number(std::size_t start)
    {
        if (classAt(i_) == CharClass::Sign)
            ++i_;
        bool point = false;
        for (; classAt(i_) == CharClass::Digit || (classAt(i_) == CharClass::Point && !point); ++i_)
            point = point || classAt(i_) == CharClass::Point;
        if (classAt(i_) == CharClass::Letter || classAt(i_) == CharClass::Point)
            fail("malformed number", start);
        return {RecordsetToken::Kind::Number, std::string(s_.substr(start, i_ - start)), start + 1, false};
    }

    // A quoted text; two quotes in a row stand for one quote of the text.
    RecordsetToken text(std::size_t start)
    {
        std::string value;
        for (++i_; i_ < s_.size(); ++i_) {
            if (s_[i_] != '\'') {
                value += s_[i_];
            } else if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
                value += '\'';
                ++i_;
            } else {
                ++i_;
                return {RecordsetToken::Kind::Text, value, start + 1, false};
            }
        }
        fail("a text without its closing quote", start);
    }

    RecordsetToken delimited(std::size_t start, char close, RecordsetToken::Kind kind, const char* problem)
    {
        std::size_t end = s_.find(close, start + 1);
        if (end == std::string_view::npos)
            fail(problem, start);
        i_ = end + 1;
        return {kind, std::string(s_.substr(start + 1, end - start - 1)), start + 1, false};
    }

    RecordsetToken comparison(std::size_t start)
    {
        ++i_;
        if (s_[start] != '=' && i_ < s_.size() && (s_[i_] == '=' || (s_[start] == '<' && s_[i_] == '>')))
            ++i_;
        return {RecordsetToken::Kind::Operator, std::string(s_.substr(start, i_ - start)), start + 1, false};
    }

    std::string_view s_;
    std::string_view what_;
    std::size_t i_ = 0;
};

} // namespace

bool RecordsetToken::isKeyword(std::string_view upperKeyword) const
{
    if (kind != Kind::Word || bracketed || text.size() != upperKeyword.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((text[i] >= 'a' && text[i] <= 'z' ? char(text[i] - 'a' + 'A') : text[i]) != upperKeyword[i])
            return false;
    return true;
}

std::vector<RecordsetToken> tokenize(std::string_view source, std::string_view what)
{
    return Tokenizer(source, what).run();
}

} // namespace db
