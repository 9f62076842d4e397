#pragma once
// Reads a sub-command's arguments: options that take a value ("--db PATH"), flags ("--explain") and
// positional arguments, refusing what the command does not know.

#include <optional>
#include <string>
#include <vector>

class CommandLine {
public:
    CommandLine(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                const std::vector<std::string>& flags);

    std::optional<std::string> option(const std::string& name) const;
    bool flag(const std::string& name) const;
    const std::vector<std::string>& positional() const { return positional_; }
    // Why the arguments cannot be read ("" when they can): an unknown option, or an option without value.
    const std::string& error() const { return error_; }

private:
    std::vector<std::pair<std::string, std::string>> options_;
    std::vector<std::string> flags_;
    std::vector<std::string> positional_;
    std::string error_;
};
