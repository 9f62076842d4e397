#include "engine/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace quorvane {
namespace {

constexpr const char* integerPart = "###,###,###,##0";

struct Layout {
    bool grouped = false;
    int decimals = 0;
};

Layout layoutOf(std::string_view format)
{
    Layout layout;
    const std::size_t point = format.find('.');
    const std::string_view whole = format.substr(0, point);
    layout.grouped = whole.find(',') != std::string_view::npos;
    if (point != std::string_view::npos) {
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
    // Halves round away from zero, as the host's format function rounds.
    const double scale = std::pow(10.0, layout.decimals);
    const auto units = static_cast<long long>(std::round(std::fabs(value) * scale));
    const long long whole = units / static_cast<long long>(scale);
    std::string out = layout.grouped ? grouped(std::to_string(whole), italian ? '.' : ',') : std::to_string(whole);
    if (layout.decimals > 0) {
        out += italian ? ',' : '.';
        const std::string places = std::to_string(units % static_cast<long long>(scale));
        out += std::string(static_cast<std::size_t>(layout.decimals) - places.size(), '0') + places;
    }
    // A value that rounds to zero shows no sign.
    return value < 0 && units > 0 ? "-" + out : out;
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
