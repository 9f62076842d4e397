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

}  // namespace

// One step of a compiled pattern; every kind but AnyRun matches exactly one character, a Character in
// upper case.
struct LikePattern::Element {
    enum class Kind { Character, AnyOne, AnyRun, Set } kind;
    char32_t character = 0;
    std::vector<Range> ranges;
    bool negated = false;
};

namespace {

using Element = LikePattern::Element;

std::string_view withoutTrailingBlanks(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::vector<char32_t> codePoints(std::string_view text, bool blanksCount)
{
    if (!blanksCount)
        text = withoutTrailingBlanks(text);
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
        element.character = upperCase(element.character);
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
        return element.character == c || element.character == upperCase(c);
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

LikePattern::LikePattern(std::string_view pattern, char32_t escape, bool blanksCount)
    : source_(pattern), escape_(escape), blanksCount_(blanksCount), elements_(compile(codePoints(pattern, blanksCount), escape))
{
}

LikePattern::~LikePattern() = default;

bool LikePattern::readFrom(std::string_view pattern, char32_t escape, bool blanksCount) const
{
    return source_ == pattern && escape_ == escape && blanksCount_ == blanksCount;
}

// On a mismatch the last % takes one more character and matching resumes after it: every other element
// takes exactly one character, so no other choice needs undoing. The text is read as it goes.
bool LikePattern::matches(std::string_view text) const
{
    if (!blanksCount_)
        text = withoutTrailingBlanks(text);
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    std::size_t t = 0, e = 0, run = none, runStart = 0;
    while (t < text.size()) {
        std::size_t next = t;
        char32_t c = decodeUtf8(text, next);
        if (e < elements_.size() && elements_[e].kind == Element::Kind::AnyRun) {
            run = e++;
            runStart = t;
        } else if (e < elements_.size() && matchesOne(elements_[e], c)) {
            ++e;
            t = next;
        } else if (run != none) {
            e = run + 1;
            decodeUtf8(text, runStart);
            t = runStart;
        } else {
            return false;
        }
    }
    while (e < elements_.size() && elements_[e].kind == Element::Kind::AnyRun)
        ++e;
    return e == elements_.size();
}

bool likeMatches(std::string_view text, std::string_view pattern, char32_t escape, bool blanksCount)
{
    return LikePattern(pattern, escape, blanksCount).matches(text);
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
