#include "tsql/Token.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>
#include <utility>

namespace tsql {

namespace {

// Sorted by spelling, so that a word is found by binary search.
constexpr std::pair<std::string_view, Keyword> keywordTable[] = {
    {"ALL", Keyword::All},         {"AND", Keyword::And},           {"APPLY", Keyword::Apply},
    {"AS", Keyword::As},           {"ASC", Keyword::Asc},           {"BETWEEN", Keyword::Between},
    {"BY", Keyword::By},           {"CASE", Keyword::Case},         {"CONSTRAINT", Keyword::Constraint},
    {"CREATE", Keyword::Create},   {"CROSS", Keyword::Cross},       {"DEFAULT", Keyword::Default},
    {"DELETE", Keyword::Delete},   {"DESC", Keyword::Desc},         {"DISTINCT", Keyword::Distinct},
    {"DROP", Keyword::Drop},       {"ELSE", Keyword::Else},         {"END", Keyword::End},
    {"EXISTS", Keyword::Exists},   {"FROM", Keyword::From},         {"FULL", Keyword::Full},
    {"FUNCTION", Keyword::Function}, {"GO", Keyword::Go},           {"GROUP", Keyword::Group},
    {"HAVING", Keyword::Having},   {"IN", Keyword::In},             {"INDEX", Keyword::Index},
    {"INNER", Keyword::Inner},     {"INSERT", Keyword::Insert},     {"INTO", Keyword::Into},
    {"IS", Keyword::Is},           {"JOIN", Keyword::Join},         {"KEY", Keyword::Key},
    {"LEFT", Keyword::Left},       {"LIKE", Keyword::Like},         {"NOT", Keyword::Not},
    {"NULL", Keyword::Null},       {"ON", Keyword::On},             {"OR", Keyword::Or},
    {"ORDER", Keyword::Order},     {"OUTER", Keyword::Outer},       {"PERCENT", Keyword::Percent},
    {"PRIMARY", Keyword::Primary}, {"RETURN", Keyword::Return},     {"RETURNS", Keyword::Returns},
    {"RIGHT", Keyword::Right},     {"SELECT", Keyword::Select},     {"SET", Keyword::Set},
    {"TABLE", Keyword::Table},     {"THEN", Keyword::Then},         {"TOP", Keyword::Top},
    {"UNION", Keyword::Union},     {"UNIQUE", Keyword::Unique},     {"UPDATE", Keyword::Update},
    {"VALUES", Keyword::Values},   {"VIEW", Keyword::View},         {"WHEN", Keyword::When},
    {"WHERE", Keyword::Where},     {"WITH", Keyword::With},
};

}  // namespace

Keyword keywordOf(std::string_view word)
{
    if (word.size() > 10)
        return Keyword::None;
    std::string upper(word);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    auto it = std::lower_bound(std::begin(keywordTable), std::end(keywordTable), upper,
                               [](const auto& entry, const std::string& w) { return entry.first < w; });
    return it != std::end(keywordTable) && it->first == upper ? it->second : Keyword::None;
}

std::string_view keywordName(Keyword keyword)
{
    for (const auto& entry : keywordTable)
        if (entry.second == keyword)
            return entry.first;
    return "";
}

}  // namespace tsql
