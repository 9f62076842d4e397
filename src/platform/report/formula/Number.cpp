#include "report/formula/Number.h"

#include <cmath>
#include <cstdio>

namespace report::formula {

namespace {

using Wide = __int128;

constexpr int maxScale = 20;
constexpr int maxDigits = 38;

Wide power10(int n)
{
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

const Wide limit = power10(maxDigits);   // every mantissa stays below 10^38 in magnitude

Wide magnitude(Wide v) { return v < 0 ? -v : v; }

// a × 10^n, or nothing when it would not fit.
std::optional<Wide> scaledUp(Wide a, int n)
{
    Wide result = a;
    for (int i = 0; i < n; ++i)
        if (__builtin_mul_overflow(result, Wide(10), &result))
            return std::nullopt;
    return result;
}

// a ÷ b rounded half away from zero.
Wide dividedRounded(Wide a, Wide b)
{
    Wide q = a / b, r = a % b;
    if (magnitude(r) * 2 >= magnitude(b))
        q += ((a < 0) != (b < 0)) ? -1 : 1;
    return q;
}

std::string wideDigits(Wide v)
{
    if (v == 0)
        return "0";
    std::string digits;
    for (; v != 0; v /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
    return digits;
}

} // namespace

Number Number::checked(Wide mantissa, int scale)
{
    while (scale > maxScale) {
        mantissa = dividedRounded(mantissa, 10);
        --scale;
    }
    if (magnitude(mantissa) >= limit)
        throw NumberError("numeric overflow: the result has more than 38 digits");
    return Number(mantissa, scale);
}

Number Number::fromDecimal(const db::Decimal& decimal)
{
    return checked(Wide(decimal.mantissa), decimal.scale);
}

Number Number::fromDouble(double value)
{
    if (!std::isfinite(value))
        throw NumberError("the number is not finite");
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    if (auto parsed = parse(text))
        return *parsed;
    // %g wrote an exponent: go through a fixed form with enough decimals for the fifteen digits.
    std::snprintf(text, sizeof text, "%.*f", maxScale, value);
    return parse(text).value_or(Number());
}

std::optional<Number> Number::parse(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    Wide mantissa = 0;
    int scale = 0, digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        if (++digits > maxDigits)
            return std::nullopt;
        mantissa = mantissa * 10 + (c - '0');
        scale += point ? 1 : 0;
    }
    if (digits == 0)
        return std::nullopt;
    return checked(negative ? -mantissa : mantissa, scale);
}

Number Number::atScale(int scale) const
{
    if (scale <= scale_)
        return *this;
    auto up = scaledUp(mantissa_, scale - scale_);
    if (!up || magnitude(*up) >= limit)
        throw NumberError("numeric overflow: the result has more than 38 digits");
    return Number(*up, scale);
}

Number Number::operator+(const Number& other) const
{
    const int scale = std::max(scale_, other.scale_);
    Wide sum;
    if (__builtin_add_overflow(atScale(scale).mantissa_, other.atScale(scale).mantissa_, &sum))
        throw NumberError("numeric overflow: the result has more than 38 digits");
    return checked(sum, scale);
}

Number Number::operator-(const Number& other) const { return *this + (-other); }

Number Number::operator-() const { return Number(-mantissa_, scale_); }

Number Number::operator*(const Number& other) const
{
    Wide product;
    if (__builtin_mul_overflow(mantissa_, other.mantissa_, &product))
        throw NumberError("numeric overflow: the result has more than 38 digits");
    return checked(product, scale_ + other.scale_);
}

Number Number::operator/(const Number& other) const
{
    if (other.mantissa_ == 0)
        throw NumberError("division by zero");
    int scale = std::min(std::max(scale_, other.scale_) + 12, maxScale);
    // The quotient at `scale` is mantissa × 10^(scale − s + other.s) ÷ other.mantissa; fewer decimals
    // when the dividend would not fit.
    for (;; --scale) {
        const int shift = scale - scale_ + other.scale_;
        if (shift < 0)
            return checked(dividedRounded(mantissa_, other.mantissa_ * power10(-shift)), scale);
        if (auto numerator = scaledUp(mantissa_, shift))
            return checked(dividedRounded(*numerator, other.mantissa_), scale);
    }
}

Number Number::rounded(int decimals) const
{
    if (decimals >= scale_)
        return *this;
    Wide whole = dividedRounded(mantissa_, power10(scale_ - decimals));
    if (decimals >= 0)
        return Number(whole, decimals);
    auto back = scaledUp(whole, -decimals);
    if (!back || magnitude(*back) >= limit)
        throw NumberError("numeric overflow: the result has more than 38 digits");
    return Number(*back, 0);
}

Number Number::absolute() const { return Number(magnitude(mantissa_), scale_); }

std::int64_t Number::truncated() const
{
    Wide whole = mantissa_ / power10(scale_);
    if (whole > INT64_MAX || whole < INT64_MIN)
        throw NumberError("the number is too large for a whole number");
    return static_cast<std::int64_t>(whole);
}

int Number::compare(const Number& other) const
{
    const int scale = std::max(scale_, other.scale_);
    auto a = scaledUp(mantissa_, scale - scale_), b = scaledUp(other.mantissa_, scale - other.scale_);
    if (!a)   // this one only grew past 10^38: its sign decides
        return mantissa_ < 0 ? -1 : 1;
    if (!b)
        return other.mantissa_ < 0 ? 1 : -1;
    return *a < *b ? -1 : (*a > *b ? 1 : 0);
}

double Number::toDouble() const { return static_cast<double>(mantissa_) / std::pow(10.0, scale_); }

void Number::digits(int decimals, std::string& integerPart, std::string& fractionPart) const
{
    const Number at = decimals < scale_ ? rounded(decimals) : atScale(decimals);
    std::string all = wideDigits(magnitude(at.mantissa_));
    if (static_cast<int>(all.size()) <= at.scale_)
        all.insert(0, static_cast<std::size_t>(at.scale_ + 1) - all.size(), '0');
    integerPart = all.substr(0, all.size() - static_cast<std::size_t>(at.scale_));
    fractionPart = all.substr(all.size() - static_cast<std::size_t>(at.scale_));
}

std::string Number::toString() const
{
    std::string integerPart, fractionPart;
    digits(scale_, integerPart, fractionPart);
    return (mantissa_ < 0 ? "-" : "") + integerPart + (fractionPart.empty() ? "" : "." + fractionPart);
}

} // namespace report::formula
