#pragma once
// The numbers of the formula language: exact decimals, so that a debit summed over a million lines or
// pro-rated by competence days comes out to the cent exactly as the server computes it.
//
// A Number is a 128-bit mantissa and a scale (digits after the point). Sums and products keep every
// digit; a quotient keeps twelve digits more than its operands (enough to round a pro-rated amount to
// any currency's decimals as the server does); nothing keeps more than 20 decimals. A result that does
// not fit 38 digits is a NumberError, never a wrapped value.

#include "db/Value.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace report::formula {

class NumberError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Number {
public:
    Number() = default;
    Number(std::int64_t whole) : mantissa_(whole) {}

    static Number fromDecimal(const db::Decimal& decimal);
    static Number fromDouble(double value);                  // fifteen significant digits
    static std::optional<Number> parse(std::string_view text); // "-12.50", "3", ".5"

    Number operator+(const Number& other) const;
    Number operator-(const Number& other) const;
    Number operator*(const Number& other) const;
    Number operator/(const Number& other) const;             // NumberError when dividing by zero
    Number operator-() const;

    // Half away from zero; a negative number of decimals rounds to tens, hundreds, ….
    Number rounded(int decimals) const;
    Number absolute() const;
    // Toward zero, to a whole number.
    std::int64_t truncated() const;

    int compare(const Number& other) const;
    bool operator==(const Number& other) const { return compare(other) == 0; }
    bool isZero() const { return mantissa_ == 0; }
    bool isNegative() const { return mantissa_ < 0; }

    double toDouble() const;
    int scale() const { return scale_; }
    // The digits of the absolute value at `decimals` decimals (rounded): integer part and fraction part.
    void digits(int decimals, std::string& integerPart, std::string& fractionPart) const;
    std::string toString() const;                            // plain: "-1234.50"

private:
    using Wide = __int128;
    Number(Wide mantissa, int scale) : mantissa_(mantissa), scale_(scale) {}
    static Number checked(Wide mantissa, int scale);
    Number atScale(int scale) const;

    Wide mantissa_ = 0;
    int scale_ = 0;
};

} // namespace report::formula
