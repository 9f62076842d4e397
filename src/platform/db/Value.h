#pragma once
// The values a record set holds: exact decimals for money and quantities, calendar date-times
// without a time zone (the company database stores local dates), and a nullable variant over them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace db {

// An exact decimal: mantissa × 10^-scale, up to 38 digits as in SQL Server. Amounts and quantities stay
// exact at their scale, so sums of a million lines show no binary drift in the last displayed decimal.
// A value beyond 38 digits is a db::Error (an arithmetic overflow), never a wrapped number.
using Mantissa = __int128;

struct Decimal {
    Mantissa mantissa = 0;
    int scale = 0;

    static Decimal fromDouble(double value, int scale);        // rounded half away from zero
    static std::optional<Decimal> parse(std::string_view text); // "-12.50", "3", ".5"
    Decimal rescaled(int newScale) const;                      // rounded half away from zero
    double toDouble() const;
    std::string toString() const;                              // plain, point, all `scale` digits
    Decimal operator+(const Decimal& other) const;
    Decimal operator-(const Decimal& other) const;
    Decimal operator-() const { return {-mantissa, scale}; }
    int compare(const Decimal& other) const;                   // -1, 0, 1 by value
    bool operator==(const Decimal& other) const { return compare(other) == 0; }
};

// A calendar date and time to the millisecond, counted from 1970-01-01 00:00:00 (no time zone).
struct DateTime {
    std::int64_t msecs = 0;

    static DateTime fromCivil(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                              int msec = 0);
    // Accepts "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS[.mmm]", "YYYY-MM-DDTHH:MM:SS" and "YYYYMMDD".
    static std::optional<DateTime> parse(std::string_view text);
    int year() const;
    int month() const;
    int day() const;
    int hour() const;
    int minute() const;
    int second() const;
    int msec() const;
    std::int64_t daysSinceEpoch() const;     // floor of msecs / day
    std::string toIsoDate() const;           // "YYYY-MM-DD"
    std::string toStorageText() const;       // "YYYY-MM-DD HH:MM:SS", the embedded database's form
    std::string toSqlLiteral() const;        // "YYYYMMDD", what the server reads unambiguously
    auto operator<=>(const DateTime&) const = default;
};

std::int64_t daysFromCivil(int year, int month, int day);
void civilFromDays(std::int64_t days, int& year, int& month, int& day);

enum class DataType { Bit, Integer, Decimal, Float, Text, DateTime };

// A nullable value. Text is kept as UTF-8; NULL is distinct from the empty text.
class Value {
public:
    Value() = default;
    static Value null() { return Value(); }
    Value(bool v) : v_(v) {}
    Value(int v) : v_(std::int64_t(v)) {}
    Value(std::int64_t v) : v_(v) {}
    Value(double v) : v_(v) {}
    Value(Decimal v) : v_(v) {}
    Value(DateTime v) : v_(v) {}
    Value(std::string v) : v_(std::move(v)) {}
    Value(const char* v) : v_(std::string(v)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
    bool isBool() const { return std::holds_alternative<bool>(v_); }
    bool isInt() const { return std::holds_alternative<std::int64_t>(v_); }
    bool isDouble() const { return std::holds_alternative<double>(v_); }
    bool isDecimal() const { return std::holds_alternative<Decimal>(v_); }
    bool isDateTime() const { return std::holds_alternative<DateTime>(v_); }
    bool isText() const { return std::holds_alternative<std::string>(v_); }
    bool isNumber() const { return isBool() || isInt() || isDouble() || isDecimal(); }

    bool asBool() const { return std::get<bool>(v_); }
    std::int64_t asInt() const { return std::get<std::int64_t>(v_); }
    double asDouble() const { return std::get<double>(v_); }
    const Decimal& asDecimal() const { return std::get<Decimal>(v_); }
    const DateTime& asDateTime() const { return std::get<DateTime>(v_); }
    const std::string& asText() const { return std::get<std::string>(v_); }

    // Conversions for reading: any number as a double (0 for NULL), any value as display text ("" for NULL).
    double toDouble() const;
    std::string toText() const;

    bool operator==(const Value& other) const = default;

private:
    std::variant<std::monostate, bool, std::int64_t, double, Decimal, DateTime, std::string> v_;
};

} // namespace db
