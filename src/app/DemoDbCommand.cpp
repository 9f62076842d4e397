// quorvane demo-db PATH [--lines N] [--seed S] [--replace]
// Writes the demo company group: three companies of N movement lines each (20,000 by default).
// quorvane demo-db PATH --check
// Answers 0 when PATH is a demo database this build's generator wrote, 1 otherwise.

#include "CommandLine.h"
#include "Commands.h"

#include "company/DemoDatabase.h"
#include "db/Error.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>

namespace {

constexpr const char* usage = "usage: quorvane demo-db PATH [--lines N] [--seed S] [--replace] | PATH --check";

// A whole number from `low` up, or nothing when the text is not one.
template <class Number> std::optional<Number> wholeNumber(const std::string& text, Number low)
{
    Number value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low)
        return std::nullopt;
    return value;
}

// The options of the command line, or an explanation of what is wrong with them.
std::optional<company::DemoOptions> readOptions(const CommandLine& line, std::string& why)
{
    company::DemoOptions options;
    options.replaceExisting = line.flag("--replace");
    if (auto lines = line.option("--lines")) {
        auto value = wholeNumber<long>(*lines, 1);
        if (!value)
            return why = "--lines takes a whole number of lines from 1 up, not \"" + *lines + "\"", std::nullopt;
        options.linesPerCompany = *value;
    }
    if (auto seed = line.option("--seed")) {
        auto value = wholeNumber<unsigned>(*seed, 0);
        if (!value)
            return why = "--seed takes a whole number from 0 up, not \"" + *seed + "\"", std::nullopt;
        options.seed = *value;
    }
    return options;
}

} // namespace

int runDemoDbCommand(const std::vector<std::string>& args)
{
    CommandLine line(args, {"--lines", "--seed"}, {"--replace", "--check"});
    std::string why = line.error();
    if (why.empty() && line.positional().size() != 1)
        why = "one database path is needed";
    std::optional<company::DemoOptions> options;
    if (why.empty())
        options = readOptions(line, why);
    if (!options) {
        std::cerr << usage << "  (" << why << ")\n";
        return 1;
    }
    const std::string& path = line.positional().front();
    if (line.flag("--check")) {
        if (company::isCurrentDemoDatabase(path))
            return 0;
        std::cerr << path << " is not a demo database of this build (made by another version of the generator, "
                  << "or no demo database)\n";
        return 1;
    }
    try {
        auto start = std::chrono::steady_clock::now();
        company::createDemoDatabase(path, *options);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%s: demo company group of 3 companies, %ld movement lines each, seed %u, written in %.2f s\n",
                    path.c_str(), options->linesPerCompany, options->seed, seconds);
        return 0;
    } catch (const db::Error& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
}
