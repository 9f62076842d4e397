#include "tsql/ParserDepth.h"

#include "tsql/Dialect.h"

#include <cctype>
#include <string>
#include <vector>

namespace tsql {
namespace {

// The stack entries each open construct keeps, as measured on SQLite's parser: a parenthesis one, a
// subquery nine, a function call three while its first argument is read and five after, a CASE five.
constexpr int parenthesis = 1, subquery = 9, call = 3, laterArgument = 5, caseExpression = 5;
constexpr int parserCapacity = 90;

struct Open {
    bool call = false;
    int cost = 0;
};

bool isWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The end of the quoted text that starts at `at` (a string, or a quoted name), past its closing quote.
std::size_t afterQuoted(std::string_view text, std::size_t at)
{
    const char quote = text[at];
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote)
                ++i;
            else
                return i + 1;
        }
    }
    return text.size();
}

bool startsWord(std::string_view text, std::size_t at, std::string_view word)
{
    if (text.size() - at < word.size() || (at + word.size() < text.size() && isWordCharacter(text[at + word.size()])))
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[at + i])) != word[i])
            return false;
    }
    return true;
}

} // namespace

void checkParserDepth(std::string_view text)
{
    std::vector<Open> open;
    int depth = 0;
    const auto push = [&](Open entry) {
        open.push_back(entry);
        if ((depth += entry.cost) > parserCapacity)
            throw Error("expression too deep for the engine: its function calls, CASE expressions and parentheses "
                        "nest past what SQLite's parser holds", 1, 1);
    };
    const auto pop = [&] {
        if (!open.empty()) {
            depth -= open.back().cost;
            open.pop_back();
        }
    };
    char previous = ' ';
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == '\'' || c == '"') {
            at = afterQuoted(text, at);
            previous = 'x';
            continue;
        }
        if (isWordCharacter(c) && (at == 0 || !isWordCharacter(text[at - 1]))) {
            if (startsWord(text, at, "CASE"))
                push({false, caseExpression});
            else if (startsWord(text, at, "END") && !open.empty() && open.back().cost == caseExpression && !open.back().call)
                pop();
        }
        std::size_t next = text.find_first_not_of(' ', at + 1);
        if (c == '(') {
            const bool isCall = isWordCharacter(previous) || previous == '"';
            push({isCall, isCall ? call : startsWord(text, next == std::string_view::npos ? at + 1 : next, "SELECT")
                                                 ? subquery : parenthesis});
        } else if (c == ')') {
            pop();
        } else if (c == ',' && !open.empty() && open.back().call && open.back().cost == call) {
            depth += laterArgument - call;
            open.back().cost = laterArgument;
        }
        if (c != ' ')
            previous = c;
        ++at;
    }
}

}  // namespace tsql
