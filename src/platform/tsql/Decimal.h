// Exact decimals as SQL Server computes with them: a signed 128-bit count of units of 10^-scale, up to
// 38 digits, with the rounding each operation uses and an error instead of a wrapped number.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tsql {

using Int128 = __int128;

constexpr int maxDecimalDigits = 38;

// A value that does not fit its type, a text that is no number, a division by zero: what() is SQL Server's
// message, which the runtime functions hand to the engine as the statement's error.
class ValueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Arithmetic overflow error converting expression to data type numeric." and its relatives.
[[noreturn]] void throwOverflow(const std::string& from = "expression", const std::string& to = "numeric");

struct Decimal {
    Int128 units = 0;
    int scale = 0;
};

enum class Rounding { HalfAwayFromZero, TowardZero };

Int128 powerOfTen(int exponent);  // 0 to 38
int digitCount(Int128 units);     // the digits of |units|; 0 has none
bool fitsPrecision(const Decimal& value, int precision);

// [blanks][+|-]digits[.digits][blanks], or digits after the point alone (".5"); nothing for any other text
// (an exponent, an empty text) or for more than 38 digits.
std::optional<Decimal> parseDecimal(std::string_view text);
// Every digit of the scale, a point only when there are decimals: "-12.50", "0.001", "310".
std::string formatDecimal(const Decimal& value);
// The nearest double.
double toDouble(const Decimal& value);
// A double's exact binary value, rounded half away from zero at the scale; nothing beyond 38 digits.
std::optional<Decimal> fromDouble(double value, int scale);
// A double read as the decimal its 15 significant digits spell, the precision a double holds reliably
// (2.675 is 2.675, not 2.67499999…), rounded at the scale: how a float converts to a decimal.
std::optional<Decimal> fromDoubleDigits(double value, int scale);

// -1, 0 or 1 as a is below, equal to or above b, exactly whatever their scales.
int compare(const Decimal& a, const Decimal& b);

// The value at another scale: more decimals are exact, fewer are rounded; beyond 38 digits an overflow.
Decimal rescale(const Decimal& value, int scale, Rounding rounding = Rounding::HalfAwayFromZero);
// ROUND(value, digits[, 1]): rounded (or truncated) at `digits` decimals, negative ones left of the point;
// the value keeps its scale.
Decimal roundAt(const Decimal& value, int digits, Rounding rounding);

// The four operations and the remainder, each at the scale of its result type. Sums and products are
// rounded to that scale, quotients truncated, as SQL Server does; a result beyond 38 digits is an
// overflow, a zero divisor "Divide by zero error encountered.".
Decimal add(const Decimal& a, const Decimal& b, int scale);
Decimal subtract(const Decimal& a, const Decimal& b, int scale);
Decimal multiply(const Decimal& a, const Decimal& b, int scale);
Decimal divide(const Decimal& a, const Decimal& b, int scale);
Decimal remainder(const Decimal& a, const Decimal& b, int scale);

}  // namespace tsql
