#include "db/QuotedLiterals.h"

#include <algorithm>
#include <cctype>

namespace db {

namespace {

bool sameLettersAt(std::string_view text, std::size_t at, std::string_view word)
{
    return at + word.size() <= text.size()
        && std::equal(word.begin(), word.end(), text.begin() + static_cast<std::ptrdiff_t>(at), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
           });
}

} // namespace

// A doubled quote inside a literal closes and reopens it at once, so counting quotes is enough to know
// whether a position lies inside one.
std::size_t findOutsideLiterals(std::string_view text, char c)
{
    bool inside = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\'')
            inside = !inside;
        else if (!inside && text[i] == c)
            return i;
    }
    return std::string_view::npos;
}

std::string replaceOutsideLiterals(std::string_view text, std::string_view word, std::string_view replacement)
{
    std::string out;
    out.reserve(text.size());
    bool inside = false;
    for (std::size_t i = 0; i < text.size();) {
        if (!inside && !word.empty() && sameLettersAt(text, i, word)) {
            out.append(replacement);
            i += word.size();
            continue;
        }
        if (text[i] == '\'')
            inside = !inside;
        out += text[i++];
    }
    return out;
}

} // namespace db
