#include "tsql/Collation.h"

#include "tsql/Unicode.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace tsql {

namespace {

constexpr std::uint32_t digitWeights = 0x1000;
constexpr std::uint32_t letterWeights = 0x2000;
constexpr std::uint32_t otherScripts = 0x10000;

bool ignorable(char32_t c) { return c == '-' || c == '\''; }

// The first-level weight of an upper-case character: symbols by code point, then digits, then letters
// (an accented letter weighs as its plain one), then the letters of other scripts.
std::uint32_t primaryWeight(char32_t c)
{
    if (c >= '0' && c <= '9')
        return digitWeights + (c - '0');
    if (c >= 'A' && c <= 'Z')
        return letterWeights + (c - 'A');
    if (char letter = plainLetter(c))
        return letterWeights + (letter - 'A');
    return c < 0x180 ? c : otherScripts + c;
}

std::uint32_t accentWeight(char32_t c) { return plainLetter(c) ? c : 0; }

constexpr std::array<std::uint32_t, 128> asciiWeights = [] {
    std::array<std::uint32_t, 128> table{};
    for (char32_t c = 0; c < 128; ++c) {
        char32_t upper = c >= 'a' && c <= 'z' ? c - 0x20 : c;
        table[c] = upper >= '0' && upper <= '9'   ? digitWeights + (upper - '0')
                   : upper >= 'A' && upper <= 'Z' ? letterWeights + (upper - 'A')
                                                  : upper;
    }
    return table;
}();

std::string_view withoutTrailingBlanks(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::vector<char32_t> upperCodePoints(std::string_view text)
{
    std::vector<char32_t> characters;
    characters.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        characters.push_back(upperCase(decodeUtf8(text, pos)));
    return characters;
}

int sign(std::int64_t difference) { return difference < 0 ? -1 : difference > 0 ? 1 : 0; }

// One level of the comparison: the sequences of weights of the characters that count at that level.
template <typename Weight>
int compareLevel(const std::vector<char32_t>& a, const std::vector<char32_t>& b, bool skipIgnorable, Weight weight)
{
    std::size_t i = 0, j = 0;
    for (;;) {
        while (skipIgnorable && i < a.size() && ignorable(a[i]))
            ++i;
        while (skipIgnorable && j < b.size() && ignorable(b[j]))
            ++j;
        if (i == a.size() || j == b.size())
            return sign(std::int64_t(a.size() - i) - std::int64_t(b.size() - j));
        if (int c = sign(std::int64_t(weight(a[i])) - std::int64_t(weight(b[j]))))
            return c;
        ++i;
        ++j;
    }
}

int compareByLevels(std::string_view a, std::string_view b)
{
    std::vector<char32_t> left = upperCodePoints(a), right = upperCodePoints(b);
    if (int c = compareLevel(left, right, true, primaryWeight))
        return c;
    if (int c = compareLevel(left, right, true, accentWeight))
        return c;
    return compareLevel(left, right, false, [](char32_t c) { return c; });
}

int collate(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    return compareText({static_cast<const char*>(a), static_cast<std::size_t>(lengthA)},
                       {static_cast<const char*>(b), static_cast<std::size_t>(lengthB)});
}

}  // namespace

// Two texts that begin with the same bytes compare as what follows them does, at every level: the equal
// start weighs the same on both sides. Codes and descriptions are mostly plain ASCII without hyphens or
// apostrophes: those compare in one pass by weight, and only a text with anything else goes through the
// levels.
int compareText(std::string_view a, std::string_view b)
{
    a = withoutTrailingBlanks(a);
    b = withoutTrailingBlanks(b);
    std::size_t common = std::min(a.size(), b.size());
    std::size_t same = static_cast<std::size_t>(std::mismatch(a.begin(), a.begin() + common, b.begin()).first - a.begin());
    while (same > 0 && same < common && (static_cast<unsigned char>(a[same]) & 0xC0) == 0x80)
        --same;  // back to the start of the character the difference falls in
    a.remove_prefix(same);
    b.remove_prefix(same);
    common -= same;
    for (std::size_t i = 0; i < common; ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 0x80 || y >= 0x80 || ignorable(x) || ignorable(y))
            return compareByLevels(a, b);
        if (asciiWeights[x] != asciiWeights[y])
            return asciiWeights[x] < asciiWeights[y] ? -1 : 1;
    }
    return sign(std::int64_t(a.size()) - std::int64_t(b.size()));
}

// Equal at the last level means the same upper-case characters once trailing blanks are gone, and the last
// level decides only between texts equal at the levels before it.
std::string equalityKey(std::string_view text)
{
    std::string key;
    key.reserve(text.size());
    for (char32_t c : upperCodePoints(withoutTrailingBlanks(text)))
        appendUtf8(key, c);
    return key;
}

bool sameCharacter(char32_t a, char32_t b) { return a == b || upperCase(a) == upperCase(b); }

void registerCollation(sqlite3* db)
{
    sqlite3_create_collation_v2(db, collationName, SQLITE_UTF8, nullptr, collate, nullptr);
}

}  // namespace tsql
