#pragma once
// A connection string of "Key=Value;Key=Value" pairs, keys compared without regard to case.

#include <map>
#include <string>
#include <string_view>

namespace db {

class ConnectionString {
public:
    explicit ConnectionString(std::string_view text);
    // The value of a key, or "" when the string does not name it.
    std::string value(std::string_view key) const;
    bool has(std::string_view key) const;

private:
    struct CaseInsensitiveLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    std::map<std::string, std::string, CaseInsensitiveLess> pairs_;
};

} // namespace db
