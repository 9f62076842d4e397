#include "RecordsetColumn.h"

#include "FieldConversion.h"

#include <bit>

namespace db {

namespace {

constexpr std::int64_t kMsecsPerDay = 86'400'000;

} // namespace

void RecordsetColumn::appendNull()
{
    values_.push_back(0);
    if (field_.type == DataType::DateTime)
        timeOfDay_.push_back(0);
    nulls_.push_back(true);
}

void RecordsetColumn::appendInteger(Mantissa v)
{
    values_.push_back(v);
    nulls_.push_back(false);
}

void RecordsetColumn::appendDouble(double v)
{
    // -0.0 is stored as 0.0 so that equal values have equal bit patterns.
    values_.push_back(std::bit_cast<std::int64_t>(v == 0.0 ? 0.0 : v));
    nulls_.push_back(false);
}

void RecordsetColumn::appendText(std::string_view utf8)
{
    values_.push_back(dictionary_.intern(utf8));
    nulls_.push_back(false);
}

void RecordsetColumn::appendDateTime(DateTime v)
{
    std::int64_t days = v.daysSinceEpoch();
    values_.push_back(days);
    timeOfDay_.push_back(v.msecs - days * kMsecsPerDay);
    nulls_.push_back(false);
}

void RecordsetColumn::append(const Value& v)
{
    Value converted = convertToField(field_, v);
    if (converted.isNull())
        appendNull();
    else if (converted.isDouble())
        appendDouble(converted.asDouble());
    else if (converted.isText())
        appendText(converted.asText());
    else if (converted.isDateTime())
        appendDateTime(converted.asDateTime());
    else
        appendInteger(encode(converted));
}

void RecordsetColumn::set(std::size_t row, const Value& v)
{
    Value converted = convertToField(field_, v);
    nulls_.set(row, converted.isNull());
    if (converted.isDateTime()) {
        std::int64_t days = converted.asDateTime().daysSinceEpoch();
        values_.set(row, days);
        timeOfDay_.set(row, converted.asDateTime().msecs - days * kMsecsPerDay);
        return;
    }
    if (field_.type == DataType::DateTime)
        timeOfDay_.set(row, 0);
    values_.set(row, converted.isNull() ? 0 : encode(converted));
}

// The packed integer of a converted, non-NULL value other than a DateTime.
Mantissa RecordsetColumn::encode(const Value& converted)
{
    if (converted.isBool())
        return converted.asBool() ? 1 : 0;
    if (converted.isInt())
        return converted.asInt();
    if (converted.isDecimal())
        return converted.asDecimal().mantissa;
    if (converted.isDouble())
        return std::bit_cast<std::int64_t>(converted.asDouble() == 0.0 ? 0.0 : converted.asDouble());
    return dictionary_.intern(converted.asText());
}

double RecordsetColumn::floating(std::size_t row) const { return std::bit_cast<double>(values_[row]); }

std::int64_t RecordsetColumn::msecs(std::size_t row) const
{
    return values_[row] * kMsecsPerDay + timeOfDay_[row];
}

Value RecordsetColumn::value(std::size_t row) const
{
    if (isNull(row))
        return Value::null();
    switch (field_.type) {
    case DataType::Bit: return values_[row] != 0;
    case DataType::Integer: return values_[row];
    case DataType::Decimal: return Decimal{values_.wide(row), field_.scale};
    case DataType::Float: return floating(row);
    case DataType::Text: return std::string(dictionary_.text(code(row)));
    case DataType::DateTime: return DateTime{msecs(row)};
    }
    return Value::null();
}

void RecordsetColumn::finishLoading()
{
    values_.shrinkToFit();
    timeOfDay_.shrinkToFit();
    nulls_.shrinkToFit();
    dictionary_.releaseIndex();
}

std::size_t RecordsetColumn::bytesUsed() const
{
    return sizeof(*this) + values_.bytesUsed() + timeOfDay_.bytesUsed() + nulls_.bytesUsed()
           + dictionary_.bytesUsed();
}

} // namespace db
