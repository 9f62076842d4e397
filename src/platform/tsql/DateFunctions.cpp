// The date functions: SQL Server's DATEPART, DATEDIFF and DATEADD over the storage text, and dates read
// from texts and numbers as SQL Server converts them.
#include "tsql/DateStyles.h"
#include "tsql/DateTime.h"
#include "tsql/RuntimeFunctions.h"

#include <string>

namespace tsql {

namespace {

constexpr const char* badDate = "Conversion failed when converting date and/or time from character string.";

// A date argument: nothing for NULL; sets the statement's error and gives nothing for an unreadable one.
// A text is read in the form of a CONVERT style (0: the ISO forms).
std::optional<DateTime> dateArgument(sqlite3_context* context, sqlite3_value* value, bool& failed, int style = 0)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return std::nullopt;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: {
        double days = sqlite3_value_double(value);
        if (!(days > -700000 && days < 3000000)) {  // outside years 1 to 9999
            failed = true;
            sqlite3_result_error(context, "Arithmetic overflow error converting expression to data type datetime.", -1);
            return std::nullopt;
        }
        return dateTimeFromDays1900(days);
    }
    default: {
        const char* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        auto parsed = parseDateStyle(text ? text : "", style);
        if (!parsed) {
            failed = true;
            sqlite3_result_error(context, badDate, -1);
        }
        return parsed;
    }
    }
}

std::optional<DatePart> partArgument(sqlite3_context* context, sqlite3_value* value)
{
    const char* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    auto part = datePartFromName(text ? text : "");
    if (!part)
        sqlite3_result_error(context, "invalid date part", -1);
    return part;
}

void resultDate(sqlite3_context* context, const DateTime& value)
{
    if (value.days < -719162 || value.days > 2932896) {  // outside years 1 to 9999
        sqlite3_result_error(context, "Adding a value to a 'datetime' column caused an overflow.", -1);
        return;
    }
    std::string text = formatDateTime(value);
    sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// tsql_datetime(x[, style])
void toDateTime(sqlite3_context* context, int count, sqlite3_value** argv)
{
    bool failed = false;
    auto date = dateArgument(context, argv[0], failed, count > 1 ? sqlite3_value_int(argv[1]) : 0);
    if (date)
        resultDate(context, *date);
    else if (!failed)
        sqlite3_result_null(context);
}

void datePartFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    auto part = partArgument(context, argv[0]);
    bool failed = false;
    auto date = part ? dateArgument(context, argv[1], failed) : std::nullopt;
    if (date)
        sqlite3_result_int64(context, datePart(*part, *date));
    else if (part && !failed)
        sqlite3_result_null(context);
}

void dateDiffFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    auto part = partArgument(context, argv[0]);
    bool failed = false;
    auto from = part ? dateArgument(context, argv[1], failed) : std::nullopt;
    auto to = part && !failed ? dateArgument(context, argv[2], failed) : std::nullopt;
    if (from && to)
        sqlite3_result_int64(context, dateDiff(*part, *from, *to));
    else if (part && !failed)
        sqlite3_result_null(context);
}

void dateAddFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    auto part = partArgument(context, argv[0]);
    bool failed = false;
    auto date = part ? dateArgument(context, argv[2], failed) : std::nullopt;
    if (!date || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        if (part && !failed)
            sqlite3_result_null(context);
        return;
    }
    long long amount = sqlite3_value_int64(argv[1]);
    if (amount > 4000000000LL || amount < -4000000000LL)
        sqlite3_result_error(context, "Adding a value to a 'datetime' column caused an overflow.", -1);
    else
        resultDate(context, dateAdd(*part, amount, *date));
}

// tsql_date_text(date, style): a date as CONVERT to a character type writes it in a style.
void dateTextFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    bool failed = false;
    auto date = dateArgument(context, argv[0], failed);
    if (date) {
        std::string text = formatDateStyle(*date, sqlite3_value_int(argv[1]));
        sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    } else if (!failed) {
        sqlite3_result_null(context);
    }
}

}  // namespace

void registerDateFunctions(sqlite3* db)
{
    registerScalars(db, {{"tsql_datetime", 1, toDateTime},
                         {"tsql_datetime", 2, toDateTime},
                         {"tsql_date_text", 2, dateTextFunction},
                         {"tsql_datepart", 2, datePartFunction},
                         {"tsql_datediff", 3, dateDiffFunction},
                         {"tsql_dateadd", 3, dateAddFunction}});
}

}  // namespace tsql
