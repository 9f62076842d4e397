#include "tsql/Decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tsql {

namespace {

constexpr int maxScale = 18;

long long powerOfTen(int exponent)
{
    long long result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

// The scale at which a double keeps 15 significant digits, the precision a double holds reliably.
int significantScale(double value)
{
    if (value == 0)
        return 0;
    int integerDigits = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    return std::clamp(15 - integerDigits, 0, maxScale);
}

}  // namespace

std::optional<long long> toScaledInteger(double value, int scale)
{
    if (!std::isfinite(value) || scale < 0 || scale > maxScale)
        return std::nullopt;
    double scaled = value * static_cast<double>(powerOfTen(scale));
    if (std::fabs(scaled) >= 9.2e18)
        return std::nullopt;
    return std::llround(scaled);
}

double roundDecimal(double value, int digits, int scale)
{
    if (scale < 0)
        scale = significantScale(value);
    if (digits >= scale || !std::isfinite(value))
        return value;
    auto units = toScaledInteger(value, scale);
    if (!units)
        return value;
    int drop = std::min(scale - digits, maxScale + 1);
    if (drop > maxScale)
        return 0;
    long long divisor = powerOfTen(drop);
    long long quotient = *units / divisor;
    long long remainder = *units % divisor;
    if (2 * (remainder < 0 ? -remainder : remainder) >= divisor)
        quotient += *units < 0 ? -1 : 1;
    if (digits >= 0)
        return static_cast<double>(quotient) / static_cast<double>(powerOfTen(digits));
    return static_cast<double>(quotient) * static_cast<double>(powerOfTen(std::min(-digits, maxScale)));
}

std::string formatDecimal(double value, int scale)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::clamp(scale, 0, maxScale), roundDecimal(value, scale, -1));
    return buffer;
}

}  // namespace tsql
