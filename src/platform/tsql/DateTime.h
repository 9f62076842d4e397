// Dates as SQL Server computes with them, over the engine's storage form 'YYYY-MM-DD HH:MM:SS'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tsql {

struct DateTime {
    long long days = 0;  // since 1970-01-01
    int seconds = 0;     // since midnight
};

enum class DatePart { Year, Quarter, Month, DayOfYear, Day, Week, Weekday, Hour, Minute, Second };

// Reads 'YYYYMMDD', 'YYYY-MM-DD' and either followed by ' HH:MM[:SS[.fff]]' (or 'T' before the time).
std::optional<DateTime> parseDateTime(std::string_view text);
// SQL Server's number-to-date conversion: days since 1900-01-01.
DateTime dateTimeFromDays1900(double days);
std::string formatDateTime(const DateTime& value);

// A date part by any of its T-SQL names and abbreviations (YEAR, yy, yyyy, wk, dw, ...).
std::optional<DatePart> datePartFromName(std::string_view name);
std::string_view datePartName(DatePart part);

// DATEPART with SQL Server's default DATEFIRST 7: weeks start on Sunday, week 1 holds 1 January,
// weekday 1 is Sunday.
long long datePart(DatePart part, const DateTime& value);
// DATEDIFF: the number of part boundaries crossed from `from` to `to`.
long long dateDiff(DatePart part, const DateTime& from, const DateTime& to);
// DATEADD; adding months keeps the day, or takes the month's last day when the month is shorter.
DateTime dateAdd(DatePart part, long long amount, const DateTime& value);

}  // namespace tsql
