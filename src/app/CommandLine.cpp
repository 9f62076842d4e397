#include "CommandLine.h"

#include <algorithm>

namespace {

bool contains(const std::vector<std::string>& list, const std::string& item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

CommandLine::CommandLine(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                         const std::vector<std::string>& flags)
{
    for (std::size_t i = 0; i < args.size() && error_.empty(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0)
            positional_.push_back(a);
        else if (contains(flags, a))
            flags_.push_back(a);
        else if (!contains(valueOptions, a))
            error_ = "unknown option " + a;
        else if (i + 1 < args.size())
            options_.emplace_back(a, args[++i]);
        else
            error_ = "the option " + a + " needs a value";
    }
}

std::optional<std::string> CommandLine::option(const std::string& name) const
{
    for (const auto& [key, value] : options_)
        if (key == name)
            return value;
    return std::nullopt;
}

bool CommandLine::flag(const std::string& name) const { return contains(flags_, name); }
