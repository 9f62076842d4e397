// The text functions whose T-SQL meaning SQLite's own do not have: LIKE with character classes, CHARINDEX
// and REPLACE that find text without regard to case, SUBSTRING from a start below 1, UPPER and LOWER of
// accented letters, and a number written into a character type too short for it.
#include "tsql/Like.h"
#include "tsql/RuntimeFunctions.h"
#include "tsql/Unicode.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace tsql {

namespace {

bool anyNull(int count, sqlite3_value** argv)
{
    for (int i = 0; i < count; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

std::string_view textOf(sqlite3_value* value)
{
    const char* text = textArgument(value);
    return {text ? text : "", static_cast<std::size_t>(sqlite3_value_bytes(value))};
}

void resultText(sqlite3_context* context, std::string_view text)
{
    sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// A text's characters in upper case, each with the byte where it starts (and one more for the end).
struct Characters {
    std::vector<char32_t> upper;
    std::vector<std::size_t> offsets;

    explicit Characters(std::string_view text)
    {
        for (std::size_t pos = 0; pos < text.size();) {
            offsets.push_back(pos);
            upper.push_back(upperCase(decodeUtf8(text, pos)));
        }
        offsets.push_back(text.size());
    }

    bool matchesAt(std::size_t at, const Characters& needle) const
    {
        if (at + needle.upper.size() > upper.size())
            return false;
        for (std::size_t i = 0; i < needle.upper.size(); ++i)
            if (upper[at + i] != needle.upper[i])
                return false;
        return true;
    }
};

// tsql_like(text, pattern, escape, blanks count). The pattern, constant in a statement, is read once and
// kept with the statement.
void likeFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (anyNull(2, argv)) {
        sqlite3_result_null(context);
        return;
    }
    std::string_view pattern = textOf(argv[1]), escapeText = textOf(argv[2]);
    std::size_t pos = 0;
    char32_t escape = escapeText.empty() ? 0 : decodeUtf8(escapeText, pos);
    bool blanksCount = sqlite3_value_int(argv[3]) != 0;
    auto* kept = static_cast<LikePattern*>(sqlite3_get_auxdata(context, 1));
    if (kept && kept->readFrom(pattern, escape, blanksCount)) {
        sqlite3_result_int(context, kept->matches(textOf(argv[0])));
        return;
    }
    auto compiled = std::make_unique<LikePattern>(pattern, escape, blanksCount);
    sqlite3_result_int(context, compiled->matches(textOf(argv[0])));
    sqlite3_set_auxdata(context, 1, compiled.release(), [](void* p) { delete static_cast<LikePattern*>(p); });
}

// tsql_charindex(sought, text, start): the position (in characters, from 1) of the first occurrence at or
// after start, or 0.
void charIndexFunction(sqlite3_context* context, int count, sqlite3_value** argv)
{
    if (anyNull(count, argv)) {
        sqlite3_result_null(context);
        return;
    }
    Characters sought(textOf(argv[0])), text(textOf(argv[1]));
    long long start = std::max<long long>(sqlite3_value_int64(argv[2]), 1);
    for (std::size_t at = static_cast<std::size_t>(start - 1); !sought.upper.empty() && at < text.upper.size(); ++at)
        if (text.matchesAt(at, sought)) {
            sqlite3_result_int64(context, static_cast<long long>(at) + 1);
            return;
        }
    sqlite3_result_int(context, 0);
}

// tsql_replace(text, sought, replacement)
void replaceFunction(sqlite3_context* context, int count, sqlite3_value** argv)
{
    if (anyNull(count, argv)) {
        sqlite3_result_null(context);
        return;
    }
    std::string_view original = textOf(argv[0]);
    Characters text(original), sought(textOf(argv[1]));
    if (sought.upper.empty()) {
        resultText(context, original);
        return;
    }
    std::string out;
    std::size_t copiedUpTo = 0;
    for (std::size_t at = 0; at < text.upper.size();) {
        if (!text.matchesAt(at, sought)) {
            ++at;
            continue;
        }
        out.append(original.substr(copiedUpTo, text.offsets[at] - copiedUpTo)).append(textOf(argv[2]));
        at += sought.upper.size();
        copiedUpTo = text.offsets[at];
    }
    resultText(context, out.append(original.substr(copiedUpTo)));
}

// tsql_substring(text, start, length): the characters from start to start + length - 1 that exist, so a
// start below 1 shortens the result instead of counting from the end.
void substringFunction(sqlite3_context* context, int count, sqlite3_value** argv)
{
    if (anyNull(count, argv)) {
        sqlite3_result_null(context);
        return;
    }
    long long start = sqlite3_value_int64(argv[1]), length = sqlite3_value_int64(argv[2]);
    if (length < 0)
        throw ValueError("Invalid length parameter passed to the substring function.");
    Characters text(textOf(argv[0]));
    long long characters = static_cast<long long>(text.upper.size());
    long long first = std::clamp(start, 1LL, characters + 1), end = std::clamp(start + length, first, characters + 1);
    std::string_view whole = textOf(argv[0]);
    resultText(context, whole.substr(text.offsets[first - 1], text.offsets[end - 1] - text.offsets[first - 1]));
}

template <std::string (*map)(std::string_view)>
void caseFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        sqlite3_result_null(context);
    else
        resultText(context, map(textOf(argv[0])));
}

// tsql_char(text, size): CHAR(n) takes exactly n characters, cut or padded with blanks.
void charFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    std::string_view whole = textOf(argv[0]);
    Characters text(whole);
    std::size_t size = static_cast<std::size_t>(std::max(sqlite3_value_int(argv[1]), 0));
    std::string out(whole.substr(0, text.offsets[std::min(size, text.upper.size())]));
    if (text.upper.size() < size)
        out.append(size - text.upper.size(), ' ');
    resultText(context, out);
}

// tsql_fit_number(text, size, replacement, message): a number's text in a character type of `size`
// characters; when it is longer, the replacement ('*' for an integer in CHAR or VARCHAR), or the error.
void fitNumberFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    std::string_view text = textOf(argv[0]);
    if (static_cast<long long>(Characters(text).upper.size()) <= sqlite3_value_int64(argv[1]))
        resultText(context, text);
    else if (sqlite3_value_type(argv[2]) != SQLITE_NULL)
        resultText(context, textOf(argv[2]));
    else
        throw ValueError(std::string(textOf(argv[3])));
}

}  // namespace

void registerTextFunctions(sqlite3* db)
{
    registerScalars(db, {{"tsql_like", 4, likeFunction},
                         {"tsql_charindex", 3, charIndexFunction},
                         {"tsql_replace", 3, replaceFunction},
                         {"tsql_substring", 3, reportingValueErrors<substringFunction>},
                         {"tsql_upper", 1, caseFunction<upperText>},
                         {"tsql_lower", 1, caseFunction<lowerText>},
                         {"tsql_char", 2, charFunction},
                         {"tsql_fit_number", 4, reportingValueErrors<fitNumberFunction>}});
}

}  // namespace tsql
