#include "ConnectionString.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace db {

namespace {

bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// One value read from `text` at `at` (just after its "="): its text and where the pair ends (at the ";" or
// the end). A value that opens with a quote or a brace runs to the matching close, a doubled close standing
// for itself; a plain value runs to the next ";", blanks around it dropped.
struct ValueRead {
    std::string value;
    std::size_t end;
};

ValueRead readValue(std::string_view text, std::size_t at)
{
    while (at < text.size() && isBlank(text[at]))
        ++at;
    const char open = at < text.size() ? text[at] : '\0';
    if (open != '"' && open != '\'' && open != '{') {
        const std::size_t end = std::min(text.find(';', at), text.size());
        return {std::string(trimmed(text.substr(at, end - at))), end};
    }
    const char close = open == '{' ? '}' : open;
    std::string value;
    std::size_t i = at + 1;
    for (; i < text.size(); ++i) {
        if (text[i] != close) {
            value += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == close) {
            value += close;
            ++i;
        } else {
            ++i;
            break;
        }
    }
    return {value, std::min(text.find(';', i), text.size())};
}

constexpr std::array<std::string_view, 2> passwordKeys{"PWD", "Password"};

bool isPasswordKey(std::string_view key)
{
    return std::any_of(passwordKeys.begin(), passwordKeys.end(),
                       [&](std::string_view password) { return sameLetters(trimmed(key), password); });
}

} // namespace

bool ConnectionString::CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

ConnectionString::ConnectionString(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t eq = text.find('=', at);
        const std::size_t semicolon = text.find(';', at);
        if (eq == std::string_view::npos || semicolon < eq) {   // a part without "=" names nothing
            at = semicolon == std::string_view::npos ? text.size() : semicolon + 1;
            continue;
        }
        ValueRead read = readValue(text, eq + 1);
        pairs_[std::string(trimmed(text.substr(at, eq - at)))] = std::move(read.value);
        at = read.end + 1;
    }
}

std::string ConnectionString::value(std::string_view key) const
{
    auto it = pairs_.find(std::string(key));
    return it == pairs_.end() ? std::string() : it->second;
}

bool ConnectionString::has(std::string_view key) const { return pairs_.count(std::string(key)) > 0; }

std::string embeddedDatabase(std::string_view path, Access access)
{
    std::string quoted = "\"";
    for (char c : path)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    quoted += '"';
    return "Provider=SQLite;Data Source=" + quoted + (access == Access::ReadOnly ? ";Mode=ReadOnly" : "");
}

std::string databaseFile(std::string_view connectionString)
{
    const ConnectionString parts(connectionString);
    return parts.has("Data Source") ? parts.value("Data Source") : parts.value("Database");
}

// A password key may stand anywhere in the text (a message quoting part of a string): wherever a key
// begins a pair (at the start, after ";" or a blank) its value is masked, quoted or not.
std::string maskPasswords(std::string_view text)
{
    std::string masked;
    std::size_t copied = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (at > 0 && text[at - 1] != ';' && !isBlank(text[at - 1]))
            continue;
        const std::size_t eq = text.find('=', at);
        if (eq == std::string_view::npos)
            break;
        if (text.substr(at, eq - at).find(';') != std::string_view::npos || !isPasswordKey(text.substr(at, eq - at)))
            continue;
        const std::size_t end = readValue(text, eq + 1).end;
        masked.append(text.substr(copied, eq + 1 - copied)).append("****");
        copied = at = end;
    }
    return masked.append(text.substr(std::min(copied, text.size())));
}

} // namespace db
