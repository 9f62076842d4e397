// DATE, Year, Month, Day, DatePart, DateAdd, DateDiff and MonthName. Weeks follow the rule the ledger's
// group captions and the database's DATEPART(WEEK, …) use: a week starts on Sunday unless a first-day
// argument says otherwise (1 Sunday … 7 Saturday; 0 the system's choice, Sunday), and week 1 is the week
// that holds 1 January.

#include "report/formula/Functions.h"
#include "report/formula/TextFormat.h"

#include <QDate>
#include <QLocale>

#include <array>

namespace report::formula {

namespace {

constexpr std::array<const char*, 12> italianMonths{"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                                                    "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};

int wholeNumber(const Value& v) { return static_cast<int>(v.number().truncated()); }

// 0 Sunday … 6 Saturday.
int weekday(Date d) { return static_cast<int>(((d.days + 4) % 7 + 7) % 7); }

// The first day of the week, 0 Sunday … 6 Saturday, from the optional argument.
int firstDayOfWeek(const std::vector<Value>& args, std::size_t at)
{
    if (args.size() <= at)
        return 0;
    const int day = wholeNumber(args[at]);
    if (day < 0 || day > 7)
        throw FunctionError("the first day of the week is 0 to 7, not " + std::to_string(day));
    return day == 0 ? 0 : day - 1;
}

int dayOfYear(Date d) { return static_cast<int>(d.days - Date::of(d.year(), 1, 1).days) + 1; }

int weekOfYear(Date d, int firstDay)
{
    const int lead = (weekday(Date::of(d.year(), 1, 1)) - firstDay + 7) % 7;
    return (dayOfYear(d) - 1 + lead) / 7 + 1;
}

// Weeks started (days on `firstDay`) after `a` up to and including `b`.
std::int64_t weekStartsBetween(Date a, Date b, int firstDay)
{
    auto weekIndex = [firstDay](Date d) {
        const std::int64_t shifted = d.days + 4 - firstDay;   // 0 on a first day of the week
        return shifted >= 0 ? shifted / 7 : (shifted - 6) / 7;
    };
    return weekIndex(b) - weekIndex(a);
}

Date plusMonths(Date d, std::int64_t months)
{
    const std::int64_t index = std::int64_t(d.year()) * 12 + (d.month() - 1) + months;
    const int year = static_cast<int>(index >= 0 ? index / 12 : (index - 11) / 12);
    const int month = static_cast<int>(index - std::int64_t(year) * 12) + 1;
    const int lastDay = QDate(year, month, 1).daysInMonth();
    return Date::of(year, month, std::min(d.day(), lastDay));
}

std::string intervalOf(const Value& v)
{
    std::string interval = v.text();
    for (char& c : interval)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return interval;
}

[[noreturn]] void unknownInterval(const std::string& interval)
{
    throw FunctionError("unknown interval \"" + interval + "\" (yyyy, q, m, y, d, w, ww)");
}

Value datePart(const std::vector<Value>& args)
{
    const std::string interval = intervalOf(args[0]);
    const Date d = args[1].date();
    if (interval == "yyyy") return Value(d.year());
    if (interval == "q") return Value((d.month() - 1) / 3 + 1);
    if (interval == "m") return Value(d.month());
    if (interval == "y") return Value(dayOfYear(d));
    if (interval == "d") return Value(d.day());
    if (interval == "w") return Value((weekday(d) - firstDayOfWeek(args, 2) + 7) % 7 + 1);
    if (interval == "ww") return Value(weekOfYear(d, firstDayOfWeek(args, 2)));
    if (interval == "h" || interval == "n" || interval == "s") return Value(0);
    unknownInterval(interval);
}

Value dateAdd(const std::vector<Value>& args)
{
    const std::string interval = intervalOf(args[0]);
    const std::int64_t n = args[1].number().truncated();
    const Date d = args[2].date();
    if (interval == "yyyy") return Value(plusMonths(d, n * 12));
    if (interval == "q") return Value(plusMonths(d, n * 3));
    if (interval == "m") return Value(plusMonths(d, n));
    if (interval == "d" || interval == "y" || interval == "w") return Value(Date{d.days + n});
    if (interval == "ww") return Value(Date{d.days + 7 * n});
    unknownInterval(interval);
}

Value dateDiff(const std::vector<Value>& args)
{
    const std::string interval = intervalOf(args[0]);
    const Date a = args[1].date(), b = args[2].date();
    const std::int64_t months = (std::int64_t(b.year()) * 12 + b.month()) - (std::int64_t(a.year()) * 12 + a.month());
    if (interval == "yyyy") return Value(std::int64_t(b.year() - a.year()));
    if (interval == "q")
        return Value((std::int64_t(b.year()) * 4 + (b.month() - 1) / 3) - (std::int64_t(a.year()) * 4 + (a.month() - 1) / 3));
    if (interval == "m") return Value(months);
    if (interval == "d" || interval == "y") return Value(b.days - a.days);
    if (interval == "w") return Value((b.days - a.days) / 7);
    if (interval == "ww") return Value(weekStartsBetween(a, b, firstDayOfWeek(args, 3)));
    unknownInterval(interval);
}

// DATE(date), DATE(text) in the forms yyyy-mm-dd, dd/mm/yyyy and yyyymmdd, DATE(year, month, day).
Value makeDate(const std::vector<Value>& args)
{
    if (args.size() == 3) {
        const QDate q(wholeNumber(args[0]), wholeNumber(args[1]), wholeNumber(args[2]));
        if (!q.isValid())
            throw FunctionError("there is no such date");
        return Value(Date::of(q.year(), q.month(), q.day()));
    }
    if (args.size() != 1)
        throw FunctionError("DATE takes a date, a text, or a year, a month and a day");
    if (args[0].type() == ValueType::Date)
        return args[0];
    if (args[0].type() == ValueType::Text) {
        const QString text = QString::fromStdString(args[0].text()).trimmed();
        for (const char* format : {"yyyy-MM-dd", "dd/MM/yyyy", "yyyyMMdd"})
            if (const QDate q = QDate::fromString(text, QString::fromLatin1(format)); q.isValid())
                return Value(Date::of(q.year(), q.month(), q.day()));
        throw FunctionError("\"" + args[0].text() + "\" is not a date");
    }
    throw FunctionError("DATE takes a date or a text");
}

Value monthName(const std::vector<Value>& args)
{
    const int month = wholeNumber(args[0]);
    if (month < 1 || month > 12)
        throw FunctionError("there is no month " + std::to_string(month));
    const std::string name = englishApplication() ? QLocale(QLocale::English).monthName(month).toStdString()
                                                  : italianMonths[static_cast<std::size_t>(month - 1)];
    const bool abbreviated = args.size() > 1 && args[1].boolean();
    return Value(abbreviated ? name.substr(0, 3) : name);
}

} // namespace

Value callDateFunction(Function function, const std::vector<Value>& args)
{
    switch (function) {
    case Function::Date: return makeDate(args);
    case Function::Year: return Value(args[0].date().year());
    case Function::Month: return Value(args[0].date().month());
    case Function::Day: return Value(args[0].date().day());
    case Function::DatePart: return datePart(args);
    case Function::DateAdd: return dateAdd(args);
    case Function::DateDiff: return dateDiff(args);
    case Function::MonthName: return monthName(args);
    default: break;
    }
    throw FunctionError("this function reads another record and cannot be called here");
}

} // namespace report::formula
