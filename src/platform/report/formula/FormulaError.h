#pragma once
// A formula that does not parse, does not bind or fails while it runs: the message names the formula, the
// line and the column within its text, and shows the source line with a caret under the spot.
//
//   formula 'numDare' 3:14: expected Then
//       If {CI13_MOVCORPO.CI13_IMPORTO} > 0 Than
//                                           ^

#include <stdexcept>
#include <string>
#include <string_view>

namespace report::formula {

struct Span {
    std::size_t offset = 0;
    std::size_t length = 0;
};

class FormulaError : public std::runtime_error {
public:
    FormulaError(std::string_view formulaName, std::string_view text, Span where, const std::string& problem);

    int line() const { return line_; }
    int column() const { return column_; }
    const std::string& problem() const { return problem_; }

private:
    int line_ = 1;
    int column_ = 1;
    std::string problem_;
};

// The 1-based line and column of a byte offset (columns count characters, not bytes).
void lineAndColumn(std::string_view text, std::size_t offset, int& line, int& column);

} // namespace report::formula
