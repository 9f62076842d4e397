#pragma once
// The values a formula computes: null, an exact number, a text, a Boolean or a calendar date. Database
// values enter through fromDatabase: integers, decimals and doubles become numbers, a date-time becomes
// its date.

#include "report/formula/Number.h"

#include "db/Value.h"

#include <cstdint>
#include <string>
#include <variant>

namespace report::formula {

// A calendar date, counted in days from 1970-01-01.
struct Date {
    std::int64_t days = 0;
    static Date of(int year, int month, int day);
    int year() const;
    int month() const;
    int day() const;
    auto operator<=>(const Date&) const = default;
};

enum class ValueType { Unknown, Number, Text, Boolean, Date };

const char* typeName(ValueType type);

class Value {
public:
    Value() = default;
    Value(Number n) : v_(n) {}
    Value(std::int64_t n) : v_(Number(n)) {}
    Value(int n) : v_(Number(std::int64_t(n))) {}
    Value(std::string text) : v_(std::move(text)) {}
    Value(const char* text) : v_(std::string(text)) {}
    Value(bool b) : v_(b) {}
    Value(Date d) : v_(d) {}

    static Value fromDatabase(const db::Value& value);

    bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
    ValueType type() const;
    const Number& number() const { return std::get<Number>(v_); }
    const std::string& text() const { return std::get<std::string>(v_); }
    bool boolean() const { return std::get<bool>(v_); }
    Date date() const { return std::get<Date>(v_); }

    // Exact equality: same type and value (texts byte for byte).
    bool operator==(const Value& other) const { return v_ == other.v_; }

private:
    std::variant<std::monostate, Number, std::string, bool, Date> v_;
};

// The default value of a variable declared without one: 0, "", False, or a null date.
Value defaultOf(ValueType type);

} // namespace report::formula
