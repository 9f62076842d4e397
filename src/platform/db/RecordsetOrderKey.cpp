#include "RecordsetOrderKey.h"

#include <algorithm>
#include <bit>
#include <cstdint>

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

// A decimal at the field's scale, rounded down; `between` tells that it had finer decimals.
Mantissa atFieldScale(const Decimal& d, int fieldScale, bool& between)
{
    between = false;
    if (d.scale <= fieldScale)
        return d.rescaled(fieldScale).mantissa;
    Mantissa divisor = 1;
    for (int i = fieldScale; i < d.scale; ++i)
        divisor *= 10;
    Mantissa quotient = d.mantissa / divisor;
    between = d.mantissa % divisor != 0;
    return between && d.mantissa < 0 ? quotient - 1 : quotient;
}

// A decimal placed among 64-bit mantissas; one beyond them lies past every key of its side.
RecordsetKeyBound decimalBound(const Decimal& d, int fieldScale)
{
    bool between = false;
    Mantissa m = atFieldScale(d, fieldScale, between);
    if (m > INT64_MAX)
        return {signedKey(INT64_MAX), true};
    if (m < INT64_MIN)
        return {0, false};
    return {signedKey(static_cast<std::int64_t>(m)), between};
}

} // namespace

RecordsetKeyReader::RecordsetKeyReader(const RecordsetColumn& column) : column_(column)
{
    if (column.field().type == DataType::Text) {
        ranks_ = &column.dictionary().ranks();
        text_ = true;
        // Text keys start at 1: with no empty text in the column, 0 is free for NULL.
        const auto empty = column.dictionary().locate({});
        emptyText_ = empty.exact ? 1 : 0;
    }
    if (column.isWide()) {
        for (std::size_t row = 0; row < column.size(); ++row)
            if (!column.isNull(row))
                wideValues_.push_back(column.mantissa(row));
        std::sort(wideValues_.begin(), wideValues_.end());
        wideValues_.erase(std::unique(wideValues_.begin(), wideValues_.end()), wideValues_.end());
    }
}

// Keys of a wide column start at 1, like those of texts, so a value below every rank sits just above 0.
// A value with finer decimals than the field lies just above its rounded-down mantissa.
RecordsetKeyBound RecordsetKeyReader::rankBound(const Mantissa& atFieldScale, bool between) const
{
    auto position = between ? std::upper_bound(wideValues_.begin(), wideValues_.end(), atFieldScale)
                            : std::lower_bound(wideValues_.begin(), wideValues_.end(), atFieldScale);
    auto below = static_cast<std::uint64_t>(position - wideValues_.begin());
    bool exact = !between && position != wideValues_.end() && *position == atFieldScale;
    return exact ? RecordsetKeyBound{below + 1, false} : RecordsetKeyBound{below, true};
}

std::uint64_t RecordsetKeyReader::key(std::size_t row) const
{
    switch (column_.field().type) {
    case DataType::Float: return doubleKey(column_.floating(row));
    case DataType::Text: return column_.isNull(row) ? emptyText_ : std::uint64_t((*ranks_)[column_.code(row)]) + 1;
    case DataType::DateTime: return signedKey(column_.msecs(row));
    default:
        if (!wideValues_.empty())
            return std::uint64_t(std::lower_bound(wideValues_.begin(), wideValues_.end(), column_.mantissa(row))
                                 - wideValues_.begin()) + 1;
        return signedKey(column_.integer(row));
    }
}

RecordsetKeyBound RecordsetKeyReader::bound(const Value& literal) const
{
    switch (column_.field().type) {
    case DataType::Float: return {doubleKey(literal.asDouble()), false};
    case DataType::DateTime: return {signedKey(literal.asDateTime().msecs), false};
    case DataType::Text: {
        if (literal.isNull() || literal.asText().find_first_not_of(' ') == std::string::npos)
            return {emptyText_, false};
        // Text keys start at 1, so a text below every rank sits just above 0.
        auto position = column_.dictionary().locate(literal.asText());
        return position.exact ? RecordsetKeyBound{std::uint64_t(position.ranksBelow) + 1, false}
                              : RecordsetKeyBound{position.ranksBelow, true};
    }
    default: {
        int scale = column_.field().type == DataType::Decimal ? column_.field().scale : 0;
        if (!wideValues_.empty()) {
            bool between = false;
            Mantissa m = atFieldScale(literal.asDecimal(), scale, between);
            return rankBound(m, between);
        }
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
