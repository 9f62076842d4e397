#include "tsql/UInt256.h"

namespace tsql {

namespace {

constexpr std::uint64_t tenToThe19 = 10'000'000'000'000'000'000ULL;

std::uint64_t lowWord(UInt128 value) { return static_cast<std::uint64_t>(value); }
std::uint64_t highWord(UInt128 value) { return static_cast<std::uint64_t>(value >> 64); }

std::uint64_t smallPowerOfTen(int exponent)
{
    std::uint64_t power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

}  // namespace

// Schoolbook multiplication of the 64-bit halves.
UInt256 UInt256::product(UInt128 a, UInt128 b)
{
    UInt128 lowLow = UInt128(lowWord(a)) * lowWord(b);
    UInt128 lowHigh = UInt128(lowWord(a)) * highWord(b);
    UInt128 highLow = UInt128(highWord(a)) * lowWord(b);
    UInt128 highHigh = UInt128(highWord(a)) * highWord(b);
    UInt128 middle = UInt128(highWord(lowLow)) + lowWord(lowHigh) + lowWord(highLow);
    UInt256 result;
    result.low_ = (middle << 64) | lowWord(lowLow);
    result.high_ = highHigh + highWord(lowHigh) + highWord(highLow) + highWord(middle);
    return result;
}

bool UInt256::multiplySmall(std::uint64_t factor)
{
    UInt128 lowPart = UInt128(lowWord(low_)) * factor;
    UInt128 highPart = UInt128(highWord(low_)) * factor + highWord(lowPart);
    UInt128 carry = highWord(highPart);
    if (high_ != 0 && (~UInt128(0) - carry) / factor < high_)
        return false;
    low_ = (highPart << 64) | lowWord(lowPart);
    high_ = high_ * factor + carry;
    return true;
}

std::uint64_t UInt256::divideSmall(std::uint64_t divisor)
{
    std::uint64_t words[4] = {highWord(high_), lowWord(high_), highWord(low_), lowWord(low_)};
    UInt128 remainder = 0;
    for (std::uint64_t& word : words) {
        UInt128 current = (remainder << 64) | word;
        word = lowWord(current / divisor);
        remainder = current % divisor;
    }
    high_ = (UInt128(words[0]) << 64) | words[1];
    low_ = (UInt128(words[2]) << 64) | words[3];
    return lowWord(remainder);
}

bool UInt256::scaleUp(int exponent)
{
    for (; exponent > 0; exponent -= 19)
        if (!multiplySmall(smallPowerOfTen(exponent < 19 ? exponent : 19)))
            return false;
    return true;
}

int UInt256::scaleDown(int exponent)
{
    if (exponent <= 0)
        return 0;
    for (int rest = exponent - 1; rest > 0; rest -= 19)
        divideSmall(rest < 19 ? smallPowerOfTen(rest) : tenToThe19);
    return static_cast<int>(divideSmall(10));
}

int UInt256::bitLength() const
{
    if (high_ != 0)
        return 256 - (highWord(high_) ? __builtin_clzll(highWord(high_)) : 64 + __builtin_clzll(lowWord(high_)));
    if (low_ != 0)
        return 128 - (highWord(low_) ? __builtin_clzll(highWord(low_)) : 64 + __builtin_clzll(lowWord(low_)));
    return 0;
}

bool UInt256::bit(int index) const
{
    return index >= 128 ? ((high_ >> (index - 128)) & 1) != 0 : ((low_ >> index) & 1) != 0;
}

void UInt256::setBit(int index)
{
    if (index >= 128)
        high_ |= UInt128(1) << (index - 128);
    else
        low_ |= UInt128(1) << index;
}

void UInt256::shiftLeftOne()
{
    high_ = (high_ << 1) | (low_ >> 127);
    low_ <<= 1;
}

UInt256& UInt256::operator+=(const UInt256& other)
{
    low_ += other.low_;
    high_ += other.high_ + (low_ < other.low_ ? 1 : 0);
    return *this;
}

UInt256& UInt256::operator-=(const UInt256& other)
{
    UInt128 borrow = low_ < other.low_ ? 1 : 0;
    low_ -= other.low_;
    high_ -= other.high_ + borrow;
    return *this;
}

// Native division when both fit 128 bits, a 64-bit divisor word by word, anything else bit by bit.
UInt256 UInt256::divide(const UInt256& divisor, UInt256& remainder) const
{
    if (fits128() && divisor.fits128()) {
        remainder = UInt256(low_ % divisor.low_);
        return UInt256(low_ / divisor.low_);
    }
    if (divisor.fits128() && highWord(divisor.low_) == 0) {
        UInt256 quotient = *this;
        remainder = UInt256(quotient.divideSmall(lowWord(divisor.low_)));
        return quotient;
    }
    UInt256 quotient;
    remainder = UInt256();
    for (int i = bitLength() - 1; i >= 0; --i) {
        remainder.shiftLeftOne();
        if (bit(i))
            remainder.low_ |= 1;
        if (remainder >= divisor) {
            remainder -= divisor;
            quotient.setBit(i);
        }
    }
    return quotient;
}

}  // namespace tsql
