#include "tsql/RuntimeFunctions.h"

#include "tsql/DateTime.h"
#include "tsql/Decimal.h"

#include <sqlite3.h>

#include <string>

namespace tsql {

namespace {

constexpr const char* badDate = "Conversion failed when converting date and/or time from character string.";

// A date argument: nothing for NULL; sets the statement's error and gives nothing for an unreadable one.
std::optional<DateTime> dateArgument(sqlite3_context* context, sqlite3_value* value, bool& failed)
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
        auto parsed = parseDateTime(text ? text : "");
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

void toDateTime(sqlite3_context* context, int, sqlite3_value** argv)
{
    bool failed = false;
    auto date = dateArgument(context, argv[0], failed);
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

void roundFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    int digits = sqlite3_value_int(argv[1]);
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER && digits >= 0) {
        sqlite3_result_value(context, argv[0]);
        return;
    }
    sqlite3_result_double(context, roundDecimal(sqlite3_value_double(argv[0]), digits, sqlite3_value_int(argv[2])));
}

void decimalTextFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    std::string text = formatDecimal(sqlite3_value_double(argv[0]), sqlite3_value_int(argv[1]));
    sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// The running total of tsql_sum_decimal, in units of the column's scale.
struct DecimalSum {
    __int128 units;
    int scale;
    bool any;
    bool overflow;
};

void decimalSumStep(sqlite3_context* context, int, sqlite3_value** argv)
{
    auto* sum = static_cast<DecimalSum*>(sqlite3_aggregate_context(context, sizeof(DecimalSum)));
    if (!sum || sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return;
    sum->scale = sqlite3_value_int(argv[1]);
    auto units = toScaledInteger(sqlite3_value_double(argv[0]), sum->scale);
    if (!units)
        sum->overflow = true;
    else
        sum->units += *units;
    sum->any = true;
}

void decimalSumFinal(sqlite3_context* context)
{
    auto* sum = static_cast<DecimalSum*>(sqlite3_aggregate_context(context, 0));
    if (!sum || !sum->any) {
        sqlite3_result_null(context);
        return;
    }
    if (sum->overflow) {
        sqlite3_result_error(context, "Arithmetic overflow error converting expression to data type numeric.", -1);
        return;
    }
    if (sum->scale == 0 && sum->units <= INT64_MAX && sum->units >= INT64_MIN) {
        sqlite3_result_int64(context, static_cast<long long>(sum->units));
        return;
    }
    double divisor = 1;
    for (int i = 0; i < sum->scale; ++i)
        divisor *= 10;
    sqlite3_result_double(context, static_cast<double>(sum->units) / divisor);
}

struct ScalarFunction {
    const char* name;
    int arguments;
    void (*function)(sqlite3_context*, int, sqlite3_value**);
};

}  // namespace

void registerRuntimeFunctions(sqlite3* db)
{
    static constexpr ScalarFunction scalars[] = {
        {"tsql_datetime", 1, toDateTime},       {"tsql_datepart", 2, datePartFunction},
        {"tsql_datediff", 3, dateDiffFunction}, {"tsql_dateadd", 3, dateAddFunction},
        {"tsql_round", 3, roundFunction},       {"tsql_decimal_text", 2, decimalTextFunction},
    };
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    for (const ScalarFunction& f : scalars)
        sqlite3_create_function_v2(db, f.name, f.arguments, flags, nullptr, f.function, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "tsql_sum_decimal", 2, flags, nullptr, nullptr, decimalSumStep, decimalSumFinal,
                               nullptr);
}

}  // namespace tsql
