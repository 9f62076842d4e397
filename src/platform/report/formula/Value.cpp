#include "report/formula/Value.h"

namespace report::formula {

Date Date::of(int year, int month, int day) { return Date{db::daysFromCivil(year, month, day)}; }

int Date::year() const
{
    int y, m, d;
    db::civilFromDays(days, y, m, d);
    return y;
}

int Date::month() const
{
    int y, m, d;
    db::civilFromDays(days, y, m, d);
    return m;
}

int Date::day() const
{
    int y, m, d;
    db::civilFromDays(days, y, m, d);
    return d;
}

const char* typeName(ValueType type)
{
    switch (type) {
    case ValueType::Number: return "a number";
    case ValueType::Text: return "a string";
    case ValueType::Boolean: return "a Boolean";
    case ValueType::Date: return "a date";
    case ValueType::Unknown: break;
    }
    return "a value";
}

Value Value::fromDatabase(const db::Value& value)
{
    if (value.isNull())
        return {};
    if (value.isBool())
        return Value(value.asBool());
    if (value.isInt())
        return Value(value.asInt());
    if (value.isDecimal())
        return Value(Number::fromDecimal(value.asDecimal()));
    if (value.isDouble())
        return Value(Number::fromDouble(value.asDouble()));
    if (value.isDateTime())
        return Value(Date{value.asDateTime().daysSinceEpoch()});
    return Value(value.asText());
}

ValueType Value::type() const
{
    switch (v_.index()) {
    case 1: return ValueType::Number;
    case 2: return ValueType::Text;
    case 3: return ValueType::Boolean;
    case 4: return ValueType::Date;
    default: return ValueType::Unknown;
    }
}

Value defaultOf(ValueType type)
{
    switch (type) {
    case ValueType::Number: return Value(Number());
    case ValueType::Text: return Value(std::string());
    case ValueType::Boolean: return Value(false);
    default: return {};
    }
}

} // namespace report::formula
