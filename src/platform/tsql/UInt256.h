// The 256-bit unsigned intermediate of decimal products and quotients: two 38-digit mantissas multiply to
// 76 digits, and a dividend scaled up before a division can need as many, which no native integer holds.
#pragma once

#include <compare>
#include <cstdint>

namespace tsql {

using UInt128 = unsigned __int128;

class UInt256 {
public:
    UInt256() = default;
    explicit UInt256(UInt128 low) : low_(low) {}
    static UInt256 product(UInt128 a, UInt128 b);

    bool fits128() const { return high_ == 0; }
    UInt128 low() const { return low_; }

    // Multiplies by 10^exponent; false (and the value undefined) when the result needs more than 256 bits.
    bool scaleUp(int exponent);
    // Divides by 10^exponent and returns the last digit dropped (the one that decides a rounding half up).
    int scaleDown(int exponent);
    // The quotient of a division that truncates, and the remainder left; the divisor is not zero.
    UInt256 divide(const UInt256& divisor, UInt256& remainder) const;

    UInt256& operator+=(const UInt256& other);  // the sum fits 256 bits
    UInt256& operator-=(const UInt256& other);  // other is not larger
    bool operator==(const UInt256&) const = default;
    auto operator<=>(const UInt256&) const = default;  // the high half is declared first, so it compares first

private:
    UInt128 high_ = 0;
    UInt128 low_ = 0;

    bool multiplySmall(std::uint64_t factor);
    std::uint64_t divideSmall(std::uint64_t divisor);
    int bitLength() const;
    bool bit(int index) const;
    void shiftLeftOne();
    void setBit(int index);
};

}  // namespace tsql
