#include "tsql/Decimal.h"

#include "tsql/UInt256.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tsql {

namespace {

constexpr std::array<Int128, maxDecimalDigits + 1> powersOfTen = [] {
    std::array<Int128, maxDecimalDigits + 1> table{};
    table[0] = 1;
    for (int i = 1; i <= maxDecimalDigits; ++i)
        table[i] = table[i - 1] * 10;
    return table;
}();

UInt128 magnitude(Int128 value) { return value < 0 ? UInt128(0) - UInt128(value) : UInt128(value); }

// The first 10^38 that no decimal reaches.
const UInt256 decimalLimit{UInt128(powersOfTen[maxDecimalDigits])};

Decimal signedResult(UInt128 units, bool negative, int scale)
{
    Int128 value = static_cast<Int128>(units);
    return {negative ? -value : value, scale};
}

// A magnitude at `fromScale` brought to `toScale` (rounded or truncated when it loses decimals), checked
// against 38 digits and given its sign.
Decimal finish(UInt256 units, bool negative, int fromScale, int toScale, Rounding rounding)
{
    if (toScale >= fromScale) {
        if (!units.scaleUp(toScale - fromScale))
            throwOverflow();
    } else if (units.scaleDown(fromScale - toScale) >= 5 && rounding == Rounding::HalfAwayFromZero) {
        units += UInt256(1);
    }
    if (units >= decimalLimit)
        throwOverflow();
    return signedResult(units.low(), negative, toScale);
}

// The value scaled up to `scale` when that stays within 128 bits, or nothing.
std::optional<Int128> unitsAt(const Decimal& value, int scale)
{
    int exponent = scale - value.scale;
    if (digitCount(value.units) + exponent > maxDecimalDigits)
        return std::nullopt;
    return value.units * powersOfTen[exponent];
}

// a ± b exactly at their common scale, in 256 bits, then brought to the result scale.
Decimal wideSum(const Decimal& a, Int128 bUnits, int bScale, int scale)
{
    int common = std::max(a.scale, bScale);
    UInt256 left(magnitude(a.units)), right(magnitude(bUnits));
    left.scaleUp(common - a.scale);
    right.scaleUp(common - bScale);
    bool leftNegative = a.units < 0, rightNegative = bUnits < 0;
    if (leftNegative == rightNegative) {
        left += right;
        return finish(left, leftNegative, common, scale, Rounding::HalfAwayFromZero);
    }
    if (left >= right) {
        left -= right;
        return finish(left, leftNegative, common, scale, Rounding::HalfAwayFromZero);
    }
    right -= left;
    return finish(right, rightNegative, common, scale, Rounding::HalfAwayFromZero);
}

Decimal sum(const Decimal& a, Int128 bUnits, int bScale, int scale)
{
    int common = std::max(a.scale, bScale);
    auto left = unitsAt(a, common);
    auto right = unitsAt({bUnits, bScale}, common);
    if (left && right)
        return rescale({*left + *right, common}, scale);
    return wideSum(a, bUnits, bScale, scale);
}

void requireDivisor(const Decimal& divisor)
{
    if (divisor.units == 0)
        throw ValueError("Divide by zero error encountered.");
}

// The decimal spelled by the digits of "%.14e" (d.dddddddddddddde±x) for a magnitude from 1e-24 to 1e38,
// so that its scale stays within 0 to 38.
Decimal fromScientific(const char* text)
{
    bool negative = *text == '-';
    if (negative)
        ++text;
    Int128 units = 0;
    const char* p = text;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            units = units * 10 + (*p - '0');
    int exponent = std::atoi(p + 1);
    int scale = 14 - exponent;
    if (scale < 0) {
        units *= powersOfTen[-scale];
        scale = 0;
    }
    return {negative ? -units : units, scale};
}

}  // namespace

[[noreturn]] void throwOverflow(const std::string& from, const std::string& to)
{
    throw ValueError("Arithmetic overflow error converting " + from + " to data type " + to + ".");
}

Int128 powerOfTen(int exponent) { return powersOfTen[exponent]; }

int digitCount(Int128 units)
{
    UInt128 value = magnitude(units);
    int digits = 0;
    while (digits <= maxDecimalDigits && value >= UInt128(powersOfTen[digits]))
        ++digits;
    return digits;
}

bool fitsPrecision(const Decimal& value, int precision)
{
    return magnitude(value.units) < UInt128(powersOfTen[precision]);
}

std::optional<Decimal> parseDecimal(std::string_view text)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    Decimal value;
    int significant = 0, digits = 0;
    bool afterPoint = false;
    for (char c : text) {
        if (c == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        ++digits;
        if (significant > 0 || c != '0')
            ++significant;
        if (significant > maxDecimalDigits || (afterPoint && value.scale == maxDecimalDigits))
            return std::nullopt;
        value.units = value.units * 10 + (c - '0');
        value.scale += afterPoint ? 1 : 0;
    }
    if (digits == 0)
        return std::nullopt;
    if (negative)
        value.units = -value.units;
    return value;
}

std::string formatDecimal(const Decimal& value)
{
    char buffer[48];
    char* out = buffer + sizeof buffer;
    UInt128 rest = magnitude(value.units);
    for (int written = 0; rest > 0 || written <= value.scale; ++written) {
        if (written == value.scale && value.scale > 0)
            *--out = '.';
        *--out = static_cast<char>('0' + static_cast<int>(rest % 10));
        rest /= 10;
    }
    if (value.units < 0)
        *--out = '-';
    return std::string(out, buffer + sizeof buffer);
}

// Exact when the units and the power of ten are both exact doubles: one correctly rounded division.
double toDouble(const Decimal& value)
{
    if (magnitude(value.units) < (UInt128(1) << 53) && value.scale <= 22)
        return static_cast<double>(value.units) / static_cast<double>(powersOfTen[value.scale]);
    return std::strtod(formatDecimal(value).c_str(), nullptr);
}

std::optional<Decimal> fromDouble(double value, int scale)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e38)
        return std::nullopt;
    // Within 2^50 units the product's errors stay below a quarter unit, so rounding it is exact.
    double scaled = value * static_cast<double>(powersOfTen[std::min(scale, 22)]);
    if (scale <= 22 && std::fabs(scaled) < 0x1p50)
        return Decimal{std::llround(scaled), scale};
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.*f", scale, value);
    return parseDecimal(buffer);
}

std::optional<Decimal> fromDoubleDigits(double value, int scale)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e38)
        return std::nullopt;
    if (std::fabs(value) < 1e-24)  // nothing of it survives at 38 decimals after rounding at 15 digits
        return Decimal{0, scale};
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return rescale(fromScientific(buffer), scale);
}

int compare(const Decimal& a, const Decimal& b)
{
    bool negativeA = a.units < 0, negativeB = b.units < 0;
    if (negativeA != negativeB)
        return negativeA ? -1 : 1;
    int common = std::max(a.scale, b.scale);
    UInt256 left(magnitude(a.units)), right(magnitude(b.units));
    left.scaleUp(common - a.scale);
    right.scaleUp(common - b.scale);
    int order = left < right ? -1 : left == right ? 0 : 1;
    return negativeA ? -order : order;
}

Decimal rescale(const Decimal& value, int scale, Rounding rounding)
{
    if (scale >= value.scale) {
        auto units = unitsAt(value, scale);
        if (!units)
            throwOverflow();
        return {*units, scale};
    }
    return finish(UInt256(magnitude(value.units)), value.units < 0, value.scale, scale, rounding);
}

Decimal roundAt(const Decimal& value, int digits, Rounding rounding)
{
    if (digits >= value.scale)
        return value;
    int dropped = value.scale - digits;
    if (dropped > maxDecimalDigits)
        return {0, value.scale};
    Decimal rounded = rescale(value, value.scale - dropped, rounding);
    rounded.scale = value.scale;
    rounded.units *= powersOfTen[dropped];  // at most 10^38, which still fits 128 bits
    return rounded;
}

Decimal add(const Decimal& a, const Decimal& b, int scale) { return sum(a, b.units, b.scale, scale); }

Decimal subtract(const Decimal& a, const Decimal& b, int scale) { return sum(a, -b.units, b.scale, scale); }

Decimal multiply(const Decimal& a, const Decimal& b, int scale)
{
    UInt128 left = magnitude(a.units), right = magnitude(b.units);
    bool negative = (a.units < 0) != (b.units < 0);
    if (left < (UInt128(1) << 63) && right < (UInt128(1) << 63)) {
        Int128 product = static_cast<Int128>(left * right);
        return rescale({negative ? -product : product, a.scale + b.scale}, scale);
    }
    return finish(UInt256::product(left, right), negative, a.scale + b.scale, scale, Rounding::HalfAwayFromZero);
}

// a / b at `scale` is (a·10^(scale - sa + sb)) / b in units, truncated.
Decimal divide(const Decimal& a, const Decimal& b, int scale)
{
    requireDivisor(b);
    int exponent = scale - a.scale + b.scale;
    UInt256 dividend(magnitude(a.units)), divisor(magnitude(b.units));
    if (!(exponent >= 0 ? dividend.scaleUp(exponent) : divisor.scaleUp(-exponent)))
        throwOverflow();
    UInt256 rest;
    UInt256 quotient = dividend.divide(divisor, rest);
    if (quotient >= decimalLimit)
        throwOverflow();
    return signedResult(quotient.low(), (a.units < 0) != (b.units < 0), scale);
}

// The remainder keeps the dividend's sign, as T-SQL's % does.
Decimal remainder(const Decimal& a, const Decimal& b, int scale)
{
    requireDivisor(b);
    int common = std::max(a.scale, b.scale);
    UInt256 dividend(magnitude(a.units)), divisor(magnitude(b.units));
    dividend.scaleUp(common - a.scale);
    divisor.scaleUp(common - b.scale);
    UInt256 rest;
    dividend.divide(divisor, rest);
    return finish(rest, a.units < 0, common, scale, Rounding::HalfAwayFromZero);
}

}  // namespace tsql
