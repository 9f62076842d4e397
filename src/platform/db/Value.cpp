#include "Value.h"

#include "Error.h"
#include "tsql/Decimal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace db {

namespace {

constexpr std::int64_t kMsecsPerDay = 86'400'000;

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

bool readDigits(std::string_view text, std::size_t pos, std::size_t count, int& out)
{
    if (pos + count > text.size())
        return false;
    out = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        out = out * 10 + (text[i] - '0');
    }
    return true;
}

bool validCivil(int y, int m, int d)
{
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1)
        return false;
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= days[m - 1] + (m == 2 && leap ? 1 : 0);
}

} // namespace

// ---- Decimal ---------------------------------------------------------------------------------------------

namespace {

tsql::Decimal exact(const Decimal& d) { return {d.mantissa, d.scale}; }
Decimal fromExact(const tsql::Decimal& d) { return {d.units, d.scale}; }

// The decimal arithmetic of the dialect layer, its overflow a database error like any other.
template <typename Operation>
Decimal computed(Operation operation)
{
    try {
        return fromExact(operation());
    } catch (const tsql::ValueError& error) {
        throw Error(error.what());
    }
}

} // namespace

Decimal Decimal::fromDouble(double value, int scale)
{
    auto decimal = tsql::fromDouble(value, scale);
    if (!decimal)
        throw Error("Arithmetic overflow error converting float to data type numeric.");
    return fromExact(*decimal);
}

std::optional<Decimal> Decimal::parse(std::string_view text)
{
    auto decimal = tsql::parseDecimal(text);
    if (!decimal)
        return std::nullopt;
    return fromExact(*decimal);
}

Decimal Decimal::rescaled(int newScale) const
{
    return computed([&] { return tsql::rescale(exact(*this), newScale); });
}

double Decimal::toDouble() const { return tsql::toDouble(exact(*this)); }

std::string Decimal::toString() const { return tsql::formatDecimal(exact(*this)); }

Decimal Decimal::operator+(const Decimal& other) const
{
    return computed([&] { return tsql::add(exact(*this), exact(other), std::max(scale, other.scale)); });
}

Decimal Decimal::operator-(const Decimal& other) const
{
    return computed([&] { return tsql::subtract(exact(*this), exact(other), std::max(scale, other.scale)); });
}

int Decimal::compare(const Decimal& other) const { return tsql::compare(exact(*this), exact(other)); }

// ---- DateTime --------------------------------------------------------------------------------------------

// Days from 1970-01-01 in the proleptic Gregorian calendar (the classic era-based algorithm).
std::int64_t daysFromCivil(int year, int month, int day)
{
    std::int64_t y = year - (month <= 2 ? 1 : 0);
    std::int64_t era = floorDiv(y, 400);
    std::int64_t yoe = y - era * 400;
    std::int64_t mp = (month + 9) % 12;
    std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t days, int& year, int& month, int& day)
{
    days += 719468;
    std::int64_t era = floorDiv(days, 146097);
    std::int64_t doe = days - era * 146097;
    std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

DateTime DateTime::fromCivil(int year, int month, int day, int hour, int minute, int second, int msec)
{
    return {daysFromCivil(year, month, day) * kMsecsPerDay + ((hour * 60LL + minute) * 60 + second) * 1000
            + msec};
}

std::optional<DateTime> DateTime::parse(std::string_view text)
{
    int y, m, d, h = 0, mi = 0, s = 0, ms = 0;
    if (text.size() == 8) {
        if (!readDigits(text, 0, 4, y) || !readDigits(text, 4, 2, m) || !readDigits(text, 6, 2, d))
            return std::nullopt;
    } else {
        if (text.size() < 10 || text[4] != '-' || text[7] != '-' || !readDigits(text, 0, 4, y)
            || !readDigits(text, 5, 2, m) || !readDigits(text, 8, 2, d))
            return std::nullopt;
        if (text.size() > 10) {
            if ((text[10] != ' ' && text[10] != 'T') || text.size() < 19 || text[13] != ':' || text[16] != ':'
                || !readDigits(text, 11, 2, h) || !readDigits(text, 14, 2, mi) || !readDigits(text, 17, 2, s))
                return std::nullopt;
            if (text.size() > 19) {
                std::size_t n = text.size() - 20;
                if (text[19] != '.' || n == 0 || n > 3 || !readDigits(text, 20, n, ms))
                    return std::nullopt;
                for (std::size_t i = n; i < 3; ++i)
                    ms *= 10;
            }
        }
    }
    if (!validCivil(y, m, d) || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    return fromCivil(y, m, d, h, mi, s, ms);
}

std::int64_t DateTime::daysSinceEpoch() const { return floorDiv(msecs, kMsecsPerDay); }

int DateTime::year() const { int y, m, d; civilFromDays(daysSinceEpoch(), y, m, d); return y; }
int DateTime::month() const { int y, m, d; civilFromDays(daysSinceEpoch(), y, m, d); return m; }
int DateTime::day() const { int y, m, d; civilFromDays(daysSinceEpoch(), y, m, d); return d; }
int DateTime::hour() const { return static_cast<int>((msecs - daysSinceEpoch() * kMsecsPerDay) / 3'600'000); }
int DateTime::minute() const { return static_cast<int>((msecs - daysSinceEpoch() * kMsecsPerDay) / 60'000 % 60); }
int DateTime::second() const { return static_cast<int>((msecs - daysSinceEpoch() * kMsecsPerDay) / 1000 % 60); }
int DateTime::msec() const { return static_cast<int>((msecs - daysSinceEpoch() * kMsecsPerDay) % 1000); }

std::string DateTime::toIsoDate() const
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year(), month(), day());
    return buf;
}

std::string DateTime::toStorageText() const
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", year(), month(), day(), hour(), minute(),
                  second());
    return buf;
}

std::string DateTime::toSqlLiteral() const
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", year(), month(), day());
    return buf;
}

// ---- Value -----------------------------------------------------------------------------------------------

double Value::toDouble() const
{
    if (isBool()) return asBool() ? 1.0 : 0.0;
    if (isInt()) return static_cast<double>(asInt());
    if (isDouble()) return asDouble();
    if (isDecimal()) return asDecimal().toDouble();
    return 0.0;
}

std::string Value::toText() const
{
    if (isNull()) return {};
    if (isBool()) return asBool() ? "1" : "0";
    if (isInt()) return std::to_string(asInt());
    if (isDouble()) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.15g", asDouble());
        return buf;
    }
    if (isDecimal()) return asDecimal().toString();
    if (isDateTime()) {
        const DateTime& d = asDateTime();
        return d.msecs % kMsecsPerDay == 0 ? d.toIsoDate() : d.toStorageText();
    }
    return asText();
}

} // namespace db
