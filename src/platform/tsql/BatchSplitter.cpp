#include "tsql/Dialect.h"

#include <cctype>

namespace tsql {

namespace {

bool isGoLine(std::string_view line)
{
    size_t first = 0;
    while (first < line.size() && std::isspace(static_cast<unsigned char>(line[first])))
        ++first;
    size_t last = line.size();
    while (last > first && std::isspace(static_cast<unsigned char>(line[last - 1])))
        --last;
    std::string_view word = line.substr(first, last - first);
    return word.size() == 2 && std::toupper(static_cast<unsigned char>(word[0])) == 'G'
           && std::toupper(static_cast<unsigned char>(word[1])) == 'O';
}

bool isBlank(const std::string& text)
{
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            return false;
    return true;
}

}  // namespace

std::vector<std::string> splitBatches(std::string_view script)
{
    std::vector<std::string> batches;
    std::string current;
    auto flush = [&] {
        if (!isBlank(current))
            batches.push_back(current);
        current.clear();
    };
    size_t start = 0;
    while (start <= script.size()) {
        size_t end = script.find_first_of("\r\n", start);
        size_t next = end == std::string_view::npos ? script.size() + 1
                      : script.compare(end, 2, "\r\n") == 0 ? end + 2
                                                             : end + 1;
        std::string_view line = script.substr(start, (end == std::string_view::npos ? script.size() : end) - start);
        if (isGoLine(line))
            flush();
        else
            current.append(script.substr(start, std::min(next, script.size()) - start));
        start = next;
    }
    flush();
    return batches;
}

}  // namespace tsql
