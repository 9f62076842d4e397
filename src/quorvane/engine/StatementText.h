#pragma once
// A statement built fragment by fragment. Each fragment normally ends the line with CR LF, as the server
// receives it; a few end with a CR alone or with nothing, and the text keeps that exactly so that the
// same statement runs on SQL Server unchanged.

#include <string>
#include <string_view>

namespace quorvane {

class StatementText {
public:
    // A fragment followed by CR LF.
    StatementText& line(std::string_view fragment);
    // A fragment followed by a carriage return alone.
    StatementText& lineCr(std::string_view fragment);
    // A fragment followed by nothing: the next fragment continues the same line.
    StatementText& bare(std::string_view fragment);
    StatementText& append(const StatementText& other);

    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Text to be written between single quotes: every embedded quote doubled, so that no value a user types
// or a file holds can end the literal and change the statement's shape.
std::string quoteEscaped(std::string_view value);

} // namespace quorvane
