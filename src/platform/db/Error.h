#pragma once
// The one error type of the database layer: a readable message and, when a statement caused it, the
// statement's text, so that the window's error trap can show both.

#include <stdexcept>
#include <string>

namespace db {

class Error : public std::runtime_error {
public:
    explicit Error(std::string message, std::string statement = {})
        : std::runtime_error(std::move(message)), statement_(std::move(statement))
    {
    }

    const std::string& statement() const { return statement_; }

private:
    std::string statement_;
};

} // namespace db
