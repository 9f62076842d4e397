#include "ConnectionString.h"

#include <algorithm>
#include <cctype>

namespace db {

namespace {

std::string trimmed(std::string_view text)
{
    auto isBlank = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!text.empty() && isBlank(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return std::string(text);
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
    while (!text.empty()) {
        std::size_t end = text.find(';');
        std::string_view pair = text.substr(0, end);
        std::size_t eq = pair.find('=');
        if (eq != std::string_view::npos)
            pairs_[trimmed(pair.substr(0, eq))] = trimmed(pair.substr(eq + 1));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

std::string ConnectionString::value(std::string_view key) const
{
    auto it = pairs_.find(std::string(key));
    return it == pairs_.end() ? std::string() : it->second;
}

bool ConnectionString::has(std::string_view key) const { return pairs_.count(std::string(key)) > 0; }

} // namespace db
