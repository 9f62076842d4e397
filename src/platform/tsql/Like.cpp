#include "tsql/Like.h"

#include "tsql/Collation.h"
#include "tsql/Unicode.h"

#include <vector>

namespace tsql {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// One step of a compiled pattern; every kind but AnyRun matches exactly one character.
struct Element {
    enum class Kind { Character, AnyOne, AnyRun, Set } kind;
    char32_t character = 0;
    std::vector<Range> ranges;
    bool negated = false;
};

std::vector<char32_t> codePoints(std::string_view text, bool blanksCount)
{
    if (!blanksCount)
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1);
    std::vector<char32_t> characters;
    for (std::size_t pos = 0; pos < text.size();)
        characters.push_back(decodeUtf8(text, pos));
    return characters;
}

// [abc], [a-f], [^a] from the character after '[' up to its ']'; false when the set is never closed.
bool readSet(const std::vector<char32_t>& pattern, std::size_t& i, Element& set)
{
    std::size_t j = i + 1;
    set.kind = Element::Kind::Set;
    set.negated = j < pattern.size() && pattern[j] == '^';
    j += set.negated ? 1 : 0;
    for (; j < pattern.size() && pattern[j] != ']'; ++j) {
        if (j + 2 < pattern.size() && pattern[j + 1] == '-' && pattern[j + 2] != ']') {
            set.ranges.push_back({pattern[j], pattern[j + 2]});
            j += 2;
        } else {
            set.ranges.push_back({pattern[j], pattern[j]});
        }
    }
    if (j >= pattern.size())
        return false;
    i = j;
    return true;
}

std::vector<Element> compile(const std::vector<char32_t>& pattern, char32_t escape)
{
    std::vector<Element> elements;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char32_t c = pattern[i];
        Element element{Element::Kind::Character, c, {}, false};
        if (escape != 0 && c == escape && i + 1 < pattern.size())
            element.character = pattern[++i];
        else if (c == '%')
            element.kind = Element::Kind::AnyRun;
        else if (c == '_')
            element.kind = Element::Kind::AnyOne;
        else if (c == '[' && !readSet(pattern, i, element))
            element = {Element::Kind::Character, c, {}, false};
        elements.push_back(std::move(element));
    }
    return elements;
}

std::string utf8Of(char32_t c)
{
    std::string text;
    appendUtf8(text, c);
    return text;
}

bool inRange(const Range& range, char32_t c)
{
    if (range.first == range.last)
        return sameCharacter(range.first, c);
    std::string text = utf8Of(c);
    return compareText(utf8Of(range.first), text) <= 0 && compareText(text, utf8Of(range.last)) <= 0;
}

bool matchesOne(const Element& element, char32_t c)
{
    switch (element.kind) {
    case Element::Kind::Character:
        return sameCharacter(element.character, c);
    case Element::Kind::Set: {
        bool found = false;
        for (const Range& range : element.ranges)
            found = found || inRange(range, c);
        return found != element.negated;
    }
    default:
        return true;
    }
}

}  // namespace

// On a mismatch the last % takes one more character and matching resumes after it: every other element
// takes exactly one character, so no other choice needs undoing.
bool likeMatches(std::string_view text, std::string_view pattern, char32_t escape, bool blanksCount)
{
    std::vector<char32_t> characters = codePoints(text, blanksCount);
    std::vector<Element> elements = compile(codePoints(pattern, blanksCount), escape);
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::size_t t = 0, e = 0, run = none, runStart = 0;
    while (t < characters.size()) {
        if (e < elements.size() && elements[e].kind == Element::Kind::AnyRun) {
            run = e++;
            runStart = t;
        } else if (e < elements.size() && matchesOne(elements[e], characters[t])) {
            ++e;
            ++t;
        } else if (run != none) {
            e = run + 1;
            t = ++runStart;
        } else {
            return false;
        }
    }
    while (e < elements.size() && elements[e].kind == Element::Kind::AnyRun)
        ++e;
    return e == elements.size();
}

std::optional<std::string> fixedPrefix(std::string_view pattern, char32_t escape, bool& whole)
{
    std::vector<char32_t> characters = codePoints(pattern, true);
    std::string prefix;
    whole = false;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        char32_t c = characters[i];
        if (escape != 0 && c == escape && i + 1 < characters.size())
            c = characters[++i];
        else if (c == '%' && i + 1 == characters.size() && !prefix.empty())
            return prefix;
        else if (c == '%' || c == '_' || c == '[')
            return std::nullopt;
        appendUtf8(prefix, c);
    }
    whole = true;
    return prefix;
}

}  // namespace tsql
