#include "RecordsetOrderKey.h"

#include "RecordsetTextFold.h"

#include <bit>

namespace db {

namespace {

constexpr std::uint64_t kSignBit = std::uint64_t(1) << 63;

std::uint64_t signedKey(std::int64_t v) { return static_cast<std::uint64_t>(v) ^ kSignBit; }

// IEEE doubles order like their bit patterns once negatives have all bits flipped and positives the sign.
std::uint64_t doubleKey(double v)
{
    auto bits = std::bit_cast<std::uint64_t>(v == 0.0 ? 0.0 : v);
    return (bits & kSignBit) != 0 ? ~bits : bits | kSignBit;
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// A decimal placed among mantissas at the field's scale.
RecordsetKeyBound decimalBound(const Decimal& d, int fieldScale)
{
    if (d.scale <= fieldScale)
        return {signedKey(d.rescaled(fieldScale).mantissa), false};
    std::int64_t divisor = 1;
    for (int i = fieldScale; i < d.scale; ++i)
        divisor *= 10;
    return {signedKey(floorDiv(d.mantissa, divisor)), d.mantissa % divisor != 0};
}

} // namespace

RecordsetKeyReader::RecordsetKeyReader(const RecordsetColumn& column) : column_(column)
{
    if (column.field().type == DataType::Text)
        ranks_ = &column.dictionary().ranks();
}

std::uint64_t RecordsetKeyReader::key(std::size_t row) const
{
    switch (column_.field().type) {
    case DataType::Float: return doubleKey(column_.floating(row));
    case DataType::Text: return std::uint64_t((*ranks_)[column_.code(row)]) + 1;
    case DataType::DateTime: return signedKey(column_.msecs(row));
    default: return signedKey(column_.integer(row));
    }
}

RecordsetKeyBound RecordsetKeyReader::bound(const Value& literal) const
{
    switch (column_.field().type) {
    case DataType::Float: return {doubleKey(literal.asDouble()), false};
    case DataType::DateTime: return {signedKey(literal.asDateTime().msecs), false};
    case DataType::Text: {
        // Text keys start at 1, so a text below every rank sits just above 0.
        auto position = column_.dictionary().locateFold(foldCase(literal.asText()));
        return position.exact ? RecordsetKeyBound{std::uint64_t(position.ranksBelow) + 1, false}
                              : RecordsetKeyBound{position.ranksBelow, true};
    }
    default: {
        int scale = column_.field().type == DataType::Decimal ? column_.field().scale : 0;
        return decimalBound(literal.asDecimal(), scale);
    }
    }
}

int compareToBound(std::uint64_t key, const RecordsetKeyBound& bound)
{
    if (key < bound.key || (key == bound.key && bound.justAbove))
        return -1;
    return key == bound.key ? 0 : 1;
}

} // namespace db
