#include "tsql/DateTime.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace tsql {

namespace {

constexpr long long secondsPerDay = 86400;
constexpr long long days1900 = -25567;  // 1900-01-01 counted from 1970-01-01

// Days from 1970-01-01 to a proleptic Gregorian date (the civil-from-days algorithm, inverted).
long long daysFromCivil(long long y, int m, int d)
{
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yoe = y - era * 400;
    long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct Civil {
    long long year;
    int month;
    int day;
};

Civil civilFromDays(long long z)
{
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

bool isLeap(long long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(long long y, int m)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : lengths[m - 1];
}

// Reads exactly `count` digits at `pos`.
bool readDigits(std::string_view text, size_t& pos, int count, int& value)
{
    value = 0;
    for (int i = 0; i < count; ++i, ++pos) {
        if (pos >= text.size() || !std::isdigit(static_cast<unsigned char>(text[pos])))
            return false;
        value = value * 10 + (text[pos] - '0');
    }
    return true;
}

bool parseTime(std::string_view text, size_t pos, int& seconds)
{
    int h = 0, mi = 0, s = 0;
    if (!readDigits(text, pos, 2, h) || pos >= text.size() || text[pos++] != ':' || !readDigits(text, pos, 2, mi))
        return false;
    if (pos < text.size() && text[pos] == ':') {
        ++pos;
        if (!readDigits(text, pos, 2, s))
            return false;
        if (pos < text.size() && text[pos] == '.')
            for (++pos; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]));)
                ++pos;
    }
    if (pos != text.size() || h > 23 || mi > 59 || s > 59)
        return false;
    seconds = h * 3600 + mi * 60 + s;
    return true;
}

long long monthIndex(const DateTime& value)
{
    Civil c = civilFromDays(value.days);
    return c.year * 12 + c.month - 1;
}

long long floorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

long long totalSeconds(const DateTime& value) { return value.days * secondsPerDay + value.seconds; }

DateTime fromTotalSeconds(long long seconds)
{
    long long days = floorDiv(seconds, secondsPerDay);
    return {days, static_cast<int>(seconds - days * secondsPerDay)};
}

DateTime addMonths(const DateTime& value, long long months)
{
    Civil c = civilFromDays(value.days);
    long long index = c.year * 12 + c.month - 1 + months;
    long long year = floorDiv(index, 12);
    int month = static_cast<int>(index - year * 12) + 1;
    int day = std::min(c.day, daysInMonth(year, month));
    return {daysFromCivil(year, month, day), value.seconds};
}

}  // namespace

std::optional<DateTime> parseDateTime(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int y = 0, m = 0, d = 0;
    size_t pos = 0;
    bool dashed = text.size() >= 5 && text[4] == '-';
    if (!readDigits(text, pos, 4, y))
        return std::nullopt;
    if (dashed && text[pos++] != '-')
        return std::nullopt;
    if (!readDigits(text, pos, 2, m) || (dashed && (pos >= text.size() || text[pos++] != '-')) || !readDigits(text, pos, 2, d))
        return std::nullopt;
    if (y < 1 || m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m))
        return std::nullopt;
    DateTime value{daysFromCivil(y, m, d), 0};
    if (pos == text.size())
        return value;
    if (text[pos] != ' ' && text[pos] != 'T')
        return std::nullopt;
    if (!parseTime(text, pos + 1, value.seconds))
        return std::nullopt;
    return value;
}

DateTime dateTimeFromDays1900(double days)
{
    double whole = std::floor(days);
    int seconds = static_cast<int>(std::llround((days - whole) * secondsPerDay));
    DateTime value{days1900 + static_cast<long long>(whole), 0};
    return fromTotalSeconds(totalSeconds(value) + seconds);
}

std::string formatDateTime(const DateTime& value)
{
    Civil c = civilFromDays(value.days);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04lld-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day,
                  value.seconds / 3600, value.seconds / 60 % 60, value.seconds % 60);
    return buffer;
}

std::optional<DatePart> datePartFromName(std::string_view name)
{
    std::string lower(name);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    static const std::pair<std::string_view, DatePart> names[] = {
        {"year", DatePart::Year},       {"yy", DatePart::Year},          {"yyyy", DatePart::Year},
        {"quarter", DatePart::Quarter}, {"qq", DatePart::Quarter},       {"q", DatePart::Quarter},
        {"month", DatePart::Month},     {"mm", DatePart::Month},         {"m", DatePart::Month},
        {"dayofyear", DatePart::DayOfYear}, {"dy", DatePart::DayOfYear}, {"y", DatePart::DayOfYear},
        {"day", DatePart::Day},         {"dd", DatePart::Day},           {"d", DatePart::Day},
        {"week", DatePart::Week},       {"wk", DatePart::Week},          {"ww", DatePart::Week},
        {"weekday", DatePart::Weekday}, {"dw", DatePart::Weekday},       {"w", DatePart::Weekday},
        {"hour", DatePart::Hour},       {"hh", DatePart::Hour},          {"minute", DatePart::Minute},
        {"mi", DatePart::Minute},       {"n", DatePart::Minute},         {"second", DatePart::Second},
        {"ss", DatePart::Second},       {"s", DatePart::Second},
    };
    for (const auto& [spelling, part] : names)
        if (spelling == lower)
            return part;
    return std::nullopt;
}

std::string_view datePartName(DatePart part)
{
    static constexpr std::string_view names[] = {"year", "quarter", "month", "dayofyear", "day",
                                                 "week", "weekday", "hour", "minute", "second"};
    return names[static_cast<int>(part)];
}

namespace {

// 1970-01-01 was a Thursday (4 counted from Sunday).
int dayOfWeekSundayZero(long long days)
{
    long long shifted = days + 4;
    return static_cast<int>(shifted - floorDiv(shifted, 7) * 7);
}

}  // namespace

long long datePart(DatePart part, const DateTime& value)
{
    Civil c = civilFromDays(value.days);
    long long dayOfYear = value.days - daysFromCivil(c.year, 1, 1) + 1;
    switch (part) {
    case DatePart::Year:
        return c.year;
    case DatePart::Quarter:
        return (c.month - 1) / 3 + 1;
    case DatePart::Month:
        return c.month;
    case DatePart::DayOfYear:
        return dayOfYear;
    case DatePart::Day:
        return c.day;
    case DatePart::Week:
        return (dayOfYear - 1 + dayOfWeekSundayZero(daysFromCivil(c.year, 1, 1))) / 7 + 1;
    case DatePart::Weekday:
        return dayOfWeekSundayZero(value.days) + 1;
    case DatePart::Hour:
        return value.seconds / 3600;
    case DatePart::Minute:
        return value.seconds / 60 % 60;
    case DatePart::Second:
        return value.seconds % 60;
    }
    return 0;
}

long long dateDiff(DatePart part, const DateTime& from, const DateTime& to)
{
    switch (part) {
    case DatePart::Year:
        return civilFromDays(to.days).year - civilFromDays(from.days).year;
    case DatePart::Quarter:
        return floorDiv(monthIndex(to), 3) - floorDiv(monthIndex(from), 3);
    case DatePart::Month:
        return monthIndex(to) - monthIndex(from);
    case DatePart::DayOfYear:
    case DatePart::Day:
    case DatePart::Weekday:
        return to.days - from.days;
    case DatePart::Week:  // Sunday boundaries
        return floorDiv(to.days + 4, 7) - floorDiv(from.days + 4, 7);
    case DatePart::Hour:
        return floorDiv(totalSeconds(to), 3600) - floorDiv(totalSeconds(from), 3600);
    case DatePart::Minute:
        return floorDiv(totalSeconds(to), 60) - floorDiv(totalSeconds(from), 60);
    case DatePart::Second:
        return totalSeconds(to) - totalSeconds(from);
    }
    return 0;
}

DateTime dateAdd(DatePart part, long long amount, const DateTime& value)
{
    switch (part) {
    case DatePart::Year:
        return addMonths(value, amount * 12);
    case DatePart::Quarter:
        return addMonths(value, amount * 3);
    case DatePart::Month:
        return addMonths(value, amount);
    case DatePart::DayOfYear:
    case DatePart::Day:
    case DatePart::Weekday:
        return {value.days + amount, value.seconds};
    case DatePart::Week:
        return {value.days + amount * 7, value.seconds};
    case DatePart::Hour:
        return fromTotalSeconds(totalSeconds(value) + amount * 3600);
    case DatePart::Minute:
        return fromTotalSeconds(totalSeconds(value) + amount * 60);
    case DatePart::Second:
        return fromTotalSeconds(totalSeconds(value) + amount);
    }
    return value;
}

}  // namespace tsql
