#include "export/CellText.h"

#include <cctype>

namespace quorvane::exporting {
namespace {

// The length of the well-formed UTF-8 sequence at `at`, 0 when there is none.
std::size_t sequenceLength(std::string_view text, std::size_t at, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    static constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < shortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool holdable(char32_t code)
{
    if (code < 0x20)
        return code == '\t' || code == '\n' || code == '\r';
    return code != 0xFFFE && code != 0xFFFF;
}

bool isEncodedCharacter(std::string_view text, std::size_t at)
{
    if (text.substr(at, 2) != "_x" || at + 7 > text.size() || text[at + 6] != '_')
        return false;
    for (std::size_t i = at + 2; i < at + 6; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(text[i])))
            return false;
    }
    return true;
}

} // namespace

CellText holdableText(std::string_view text)
{
    CellText cell;
    cell.text.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const std::size_t length = sequenceLength(text, at, code);
        if (length > 0 && holdable(code))
            cell.text.append(text.substr(at, length));
        else
            cell.shortened = true;
        at += length > 0 ? length : 1;
    }
    return cell;
}

std::string spreadsheetEscaped(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (isEncodedCharacter(text, at))
            escaped += "_x005F";
        escaped += text[at];
    }
    return escaped;
}

std::string inertText(std::string text)
{
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        text.insert(text.begin(), '\'');
    return text;
}

} // namespace quorvane::exporting
