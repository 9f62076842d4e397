#include "engine/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quorvane {
namespace {

constexpr const char* integerPart = "###,###,###,##0";

struct Layout {
    bool grouped = false;
    bool point = false;
    int decimals = 0;
};

Layout layoutOf(std::string_view format)
{
    Layout layout;
    const std::size_t point = format.find('.');
    const std::string_view whole = format.substr(0, point);
    layout.grouped = whole.find(',') != std::string_view::npos;
    if (point != std::string_view::npos) {
        layout.point = true;
        const std::string_view places = format.substr(point + 1);
        layout.decimals = static_cast<int>(std::count_if(places.begin(), places.end(),
                                                         [](char c) { return c == '0' || c == '#'; }));
    }
    return layout;
}

std::string grouped(const std::string& digits, char separator)
{
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

} // namespace

std::string formatNumber(double value, std::string_view format, hostfw::Language language)
{
    const Layout layout = layoutOf(format);
    const bool italian = language == hostfw::Language::Italian;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", layout.decimals, std::fabs(value));
    const std::string text = buffer;
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string out = layout.grouped ? grouped(whole, italian ? '.' : ',') : whole;
    if (layout.point)
        out += italian ? ',' : '.';
    if (point != std::string::npos)
        out += text.substr(point + 1);
    // A value that rounds to zero shows no sign.
    const bool negative = value < 0 && text.find_first_not_of("0.") != std::string::npos;
    return negative ? "-" + out : out;
}

std::string amountFormat(int decimals)
{
    return decimals > 0 ? std::string(integerPart) + "." + std::string(static_cast<std::size_t>(decimals), '0')
                        : std::string(integerPart);
}

std::string quantityFormat(int decimals)
{
    return std::string(integerPart) + "." + std::string(static_cast<std::size_t>(std::max(decimals, 0)), '0');
}

} // namespace quorvane
