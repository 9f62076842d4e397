#include "report/JsonPlaces.h"

namespace report {
namespace {

class Scanner {
public:
    explicit Scanner(std::string_view json) : json_(json) {}

    std::map<std::string, std::size_t> run()
    {
        value({});
        return std::move(offsets_);
    }

private:
    char at() const { return at_ < json_.size() ? json_[at_] : '\0'; }

    void skipBlanks()
    {
        while (at_ < json_.size() && (json_[at_] == ' ' || json_[at_] == '\t' || json_[at_] == '\r' || json_[at_] == '\n'))
            ++at_;
    }

    void value(const std::string& path)
    {
        skipBlanks();
        offsets_.emplace(path, at_);
        switch (at()) {
        case '{': members(path); break;
        case '[': elements(path); break;
        case '"': string(); break;
        default:
            while (at_ < json_.size() && std::string_view(",]} \t\r\n").find(json_[at_]) == std::string_view::npos)
                ++at_;
        }
    }

    void members(const std::string& path)
    {
        ++at_;
        skipBlanks();
        while (at() == '"') {
            const std::string key = string();
            skipBlanks();
            ++at_;   // :
            value(path.empty() ? key : path + "." + key);
            skipBlanks();
            if (at() == ',')
                ++at_;
            skipBlanks();
        }
        ++at_;   // }
    }

    void elements(const std::string& path)
    {
        ++at_;
        skipBlanks();
        for (std::size_t index = 0; at() != ']' && at_ < json_.size(); ++index) {
            value(path + "[" + std::to_string(index) + "]");
            skipBlanks();
            if (at() == ',')
                ++at_;
            skipBlanks();
        }
        ++at_;   // ]
    }

    // A string's text; an escape keeps the character after its backslash, enough for the keys of a file.
    std::string string()
    {
        std::string text;
        for (++at_; at_ < json_.size() && json_[at_] != '"'; ++at_) {
            if (json_[at_] == '\\')
                ++at_;
            if (at_ < json_.size())
                text += json_[at_];
        }
        ++at_;
        return text;
    }

    std::string_view json_;
    std::size_t at_ = 0;
    std::map<std::string, std::size_t> offsets_;
};

} // namespace

std::map<std::string, std::size_t> jsonValueOffsets(std::string_view json)
{
    return Scanner(json).run();
}

} // namespace report
