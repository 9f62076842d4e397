#include "FieldConversion.h"

#include "Error.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace db {

namespace {

[[noreturn]] void refuse(const FieldInfo& field, const Value& value, const char* what)
{
    throw Error("Field '" + field.name + "' cannot take the value '" + value.toText() + "': " + what);
}

Decimal asDecimal(const FieldInfo& field, const Value& value)
{
    if (value.isDecimal())
        return value.asDecimal();
    if (value.isInt())
        return {value.asInt(), 0};
    if (value.isBool())
        return {value.asBool() ? 1 : 0, 0};
    if (value.isDouble())
        return Decimal::fromDouble(value.asDouble(), field.scale);
    if (value.isText())
        if (auto parsed = Decimal::parse(value.asText()))
            return *parsed;
    refuse(field, value, "not a number");
}

std::int64_t asInteger(const FieldInfo& field, const Value& value)
{
    Mantissa whole = asDecimal(field, value).rescaled(0).mantissa;
    if (whole < INT64_MIN || whole > INT64_MAX)
        refuse(field, value, "beyond the range of an integer");
    return static_cast<std::int64_t>(whole);
}

double asDouble(const FieldInfo& field, const Value& value)
{
    if (value.isNumber())
        return value.toDouble();
    if (value.isText()) {
        const std::string& t = value.asText();
        double d = 0;
        auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), d);
        if (ec == std::errc() && end == t.data() + t.size())
            return d;
    }
    refuse(field, value, "not a number");
}

DateTime asDateTime(const FieldInfo& field, const Value& value)
{
    if (value.isDateTime())
        return value.asDateTime();
    if (value.isText())
        if (auto parsed = DateTime::parse(value.asText()))
            return *parsed;
    refuse(field, value, "not a date");
}

std::size_t codePoints(const std::string& utf8)
{
    std::size_t n = 0;
    for (char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string asText(const FieldInfo& field, const Value& value)
{
    std::string text = value.toText();
    if (field.definedSize > 0 && codePoints(text) > static_cast<std::size_t>(field.definedSize))
        refuse(field, value, "longer than the field's size");
    return text;
}

} // namespace

Value convertToField(const FieldInfo& field, const Value& value)
{
    if (value.isNull())
        return value;
    switch (field.type) {
    case DataType::Bit: return asDecimal(field, value).mantissa != 0;
    case DataType::Integer: return asInteger(field, value);
    case DataType::Decimal: return asDecimal(field, value).rescaled(field.scale);
    case DataType::Float: return asDouble(field, value);
    case DataType::Text: return asText(field, value);
    case DataType::DateTime: return asDateTime(field, value);
    }
    refuse(field, value, "unknown field type");
}

} // namespace db
