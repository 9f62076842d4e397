#include "report/formula/TextFormat.h"

#include <QCoreApplication>

#include <cstdio>

namespace report::formula {

namespace {

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The byte offset of character `n` (the size when the text is shorter).
std::size_t byteOfCharacter(std::string_view utf8, std::size_t n)
{
    std::size_t at = 0;
    for (; at < utf8.size() && n > 0; --n)
        for (++at; at < utf8.size() && continuationByte(utf8[at]); ++at) {
        }
    return at;
}

} // namespace

std::string formatNumber(const Number& number, int decimals, std::string_view thousands, std::string_view decimalPoint)
{
    std::string integerPart, fractionPart;
    number.digits(std::max(decimals, 0), integerPart, fractionPart);
    std::string grouped;
    for (std::size_t i = 0; i < integerPart.size(); ++i) {
        if (i > 0 && (integerPart.size() - i) % 3 == 0)
            grouped += thousands;
        grouped += integerPart[i];
    }
    const bool zero = integerPart.find_first_not_of('0') == std::string::npos
                      && fractionPart.find_first_not_of('0') == std::string::npos;
    std::string text = (number.isNegative() && !zero ? "-" : "") + grouped;
    if (!fractionPart.empty())
        text += std::string(decimalPoint) + fractionPart;
    return text;
}

std::string formatDate(Date date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.day(), date.month(), date.year());
    return text;
}

std::string displayText(const Value& value)
{
    switch (value.type()) {
    case ValueType::Number: return formatNumber(value.number(), 2);
    case ValueType::Text: return value.text();
    case ValueType::Boolean: return value.boolean() ? "True" : "False";
    case ValueType::Date: return formatDate(value.date());
    case ValueType::Unknown: break;
    }
    return {};
}

std::size_t characterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (char c : utf8)
        count += continuationByte(c) ? 0 : 1;
    return count;
}

std::string characterSlice(std::string_view utf8, std::size_t first, std::size_t count)
{
    const std::size_t begin = byteOfCharacter(utf8, first);
    const std::size_t end = begin + byteOfCharacter(utf8.substr(begin), count);
    return std::string(utf8.substr(begin, end - begin));
}

// The report is English when the application's translators give its words in English: its numbers and
// month names follow its words, whatever the machine's own locale.
bool englishApplication()
{
    return QCoreApplication::translate("report", "Pagina ") == QLatin1String("Page ");
}

} // namespace report::formula
