#include "report/formula/FormulaError.h"

namespace report::formula {

namespace {

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string_view sourceLine(std::string_view text, std::size_t offset)
{
    std::size_t begin = text.substr(0, std::min(offset, text.size())).rfind('\n');
    begin = begin == std::string_view::npos ? 0 : begin + 1;
    std::size_t end = text.find_first_of("\r\n", begin);
    return text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

std::string message(std::string_view name, std::string_view text, Span where, const std::string& problem)
{
    int line, column;
    lineAndColumn(text, where.offset, line, column);
    std::string result = "formula '" + std::string(name) + "' " + std::to_string(line) + ":" + std::to_string(column)
                         + ": " + problem;
    std::string_view source = sourceLine(text, where.offset);
    if (!source.empty())
        result += "\n    " + std::string(source) + "\n    " + std::string(static_cast<std::size_t>(column - 1), ' ') + "^";
    return result;
}

} // namespace

void lineAndColumn(std::string_view text, std::size_t offset, int& line, int& column)
{
    line = 1;
    column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if (text[i] != '\r' && !continuationByte(text[i])) {
            ++column;
        }
    }
}

FormulaError::FormulaError(std::string_view formulaName, std::string_view text, Span where, const std::string& problem)
    : std::runtime_error(message(formulaName, text, where, problem)), problem_(problem)
{
    lineAndColumn(text, where.offset, line_, column_);
}

} // namespace report::formula
