#include "tsql/Dialect.h"

namespace tsql {

namespace {
std::string withPosition(const std::string& message, int line, int column)
{
    return message + " (line " + std::to_string(line) + ", column " + std::to_string(column) + ")";
}
}  // namespace

Error::Error(std::string message, int line, int column)
    : std::runtime_error(withPosition(message, line, column)), line_(line), column_(column)
{
}

int Error::line() const { return line_; }
int Error::column() const { return column_; }

}  // namespace tsql
