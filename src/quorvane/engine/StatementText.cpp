#include "engine/StatementText.h"

namespace quorvane {

StatementText& StatementText::line(std::string_view fragment)
{
    text_.append(fragment).append("\r\n");
    return *this;
}

StatementText& StatementText::lineCr(std::string_view fragment)
{
    text_.append(fragment).push_back('\r');
    return *this;
}

StatementText& StatementText::bare(std::string_view fragment)
{
    text_.append(fragment);
    return *this;
}

StatementText& StatementText::append(const StatementText& other)
{
    text_.append(other.text_);
    return *this;
}

std::string quoteEscaped(std::string_view value)
{
    std::string escaped;
    escaped.reserve(value.size());
    for (char c : value) {
        escaped.push_back(c);
        if (c == '\'')
            escaped.push_back('\'');
    }
    return escaped;
}

} // namespace quorvane
