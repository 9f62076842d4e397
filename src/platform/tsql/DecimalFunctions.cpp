// The decimal functions: SQL Server's exact arithmetic, conversions, ROUND, SUM and AVG over the engine's
// stored decimals. Every operand comes with the scale of its T-SQL type, and every result with the
// precision and scale of its own, so a value that no longer fits is an error rather than a wrapped number.
#include "tsql/RuntimeFunctions.h"
#include "tsql/StoredDecimal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace tsql {

namespace {

int intArgument(sqlite3_value* value) { return sqlite3_value_int(value); }

void requirePrecision(const Decimal& value, int precision, const std::string& from = "expression")
{
    if (!fitsPrecision(value, precision))
        throwOverflow(from);
}

using Operation = Decimal (*)(const Decimal&, const Decimal&, int);

// name(a, scale of a, b, scale of b, precision, scale)
template <Operation operation>
void binaryFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    auto a = readDecimal(argv[0], intArgument(argv[1]));
    auto b = readDecimal(argv[2], intArgument(argv[3]));
    if (!a || !b) {
        sqlite3_result_null(context);
        return;
    }
    Decimal result = operation(*a, *b, intArgument(argv[5]));
    requirePrecision(result, intArgument(argv[4]));
    resultDecimal(context, result);
}

// The scale at which a double keeps 15 significant digits.
int significantScale(double value)
{
    if (value == 0 || !std::isfinite(value))
        return 0;
    int integerDigits = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    return std::clamp(15 - integerDigits, 0, maxDecimalDigits);
}

std::optional<Decimal> convertedDecimal(sqlite3_value* value, int source, int scale, const std::string& sourceName)
{
    if (sqlite3_value_type(value) == SQLITE_NULL)
        return std::nullopt;
    if (source == fromFloat) {
        if (auto converted = fromDoubleDigits(sqlite3_value_double(value), scale))
            return converted;
        throwOverflow(sourceName);
    }
    if (source == fromText) {
        const char* text = textArgument(value);
        auto parsed = parseDecimal(text ? text : "");
        if (!parsed)
            throw ValueError("Error converting data type " + sourceName + " to numeric.");
        return rescale(*parsed, scale);
    }
    return rescale(*readDecimal(value, source), scale);
}

struct IntegerType {
    const char* name;
    long long lowest, highest;
};

constexpr IntegerType integerTypes[] = {{"tinyint", 0, 255},
                                        {"smallint", -32768, 32767},
                                        {"int", -2147483648LL, 2147483647LL},
                                        {"bigint", INT64_MIN, INT64_MAX}};

// A text that must spell a whole number ('' is 0), as CAST to an integer type reads it.
Decimal wholeNumberText(const std::string& text, const std::string& target)
{
    if (text.find_first_not_of(' ') == std::string::npos)
        return Decimal{};
    auto value = parseDecimal(text);
    if (!value || value->scale != 0)
        throw ValueError("Conversion failed when converting the nvarchar value '" + text + "' to data type " + target + ".");
    return *value;
}

std::optional<Decimal> integerSource(sqlite3_value* value, int source, const std::string& target)
{
    if (sqlite3_value_type(value) == SQLITE_NULL)
        return std::nullopt;
    if (source == fromText)
        return wholeNumberText(textArgument(value), target);
    if (source != fromFloat)
        return readDecimal(value, source);
    double number = sqlite3_value_double(value);
    if (auto decimal = fromDoubleDigits(number, significantScale(number)))
        return decimal;
    throwOverflow("expression", target);
}

// tsql_to_integer(x, source, target type name): CAST to an integer type, truncating toward zero.
void toInteger(sqlite3_context* context, int, sqlite3_value** argv)
{
    std::string target = textArgument(argv[2]);
    auto value = integerSource(argv[0], intArgument(argv[1]), target);
    if (!value) {
        sqlite3_result_null(context);
        return;
    }
    Decimal whole = rescale(*value, 0, Rounding::TowardZero);
    for (const IntegerType& type : integerTypes)
        if (target == type.name && (whole.units < type.lowest || whole.units > type.highest))
            throwOverflow("expression", target);
    sqlite3_result_int64(context, static_cast<long long>(whole.units));
}

// tsql_to_decimal(x, source, precision, scale, source type name): CAST and CONVERT to DECIMAL(p, s),
// rounding half away from zero.
void toDecimal(sqlite3_context* context, int, sqlite3_value** argv)
{
    std::string sourceName = textArgument(argv[4]);
    auto value = convertedDecimal(argv[0], intArgument(argv[1]), intArgument(argv[3]), sourceName);
    if (!value) {
        sqlite3_result_null(context);
        return;
    }
    requirePrecision(*value, intArgument(argv[2]), sourceName);
    resultDecimal(context, *value);
}

double roundFloat(double value, int digits, Rounding rounding)
{
    auto decimal = fromDoubleDigits(value, significantScale(value));
    return decimal ? toDouble(roundAt(*decimal, digits, rounding)) : value;
}

// tsql_round(x, digits, function, scale, precision): ROUND(x, digits[, function]) keeping x's type; a
// scale of -1 stands for a float.
void roundFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    int digits = intArgument(argv[1]);
    Rounding rounding = intArgument(argv[2]) != 0 ? Rounding::TowardZero : Rounding::HalfAwayFromZero;
    int scale = intArgument(argv[3]);
    if (scale < 0) {
        sqlite3_result_double(context, roundFloat(sqlite3_value_double(argv[0]), digits, rounding));
        return;
    }
    Decimal rounded = roundAt(*readDecimal(argv[0], scale), digits, rounding);
    requirePrecision(rounded, intArgument(argv[4]));
    resultDecimal(context, rounded);
}

// tsql_decimal_text(x, scale, shown scale): the decimal's text, as CAST to a character type writes it;
// money shows two decimals.
void decimalText(sqlite3_context* context, int, sqlite3_value** argv)
{
    auto value = readDecimal(argv[0], intArgument(argv[1]));
    if (!value) {
        sqlite3_result_null(context);
        return;
    }
    std::string text = formatDecimal(rescale(*value, intArgument(argv[2])));
    sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// The running total of SUM and AVG over decimals, in units of the argument's scale. The final call gets
// no arguments, so the steps keep the scales they are given.
struct DecimalTotal {
    Int128 units;
    long long count;
    int scale;
    int averageScale;
    bool overflow;
};

// The total of the group being aggregated, nullptr before its first row when `create` is false. SQLite
// aligns its memory to 8 bytes and a 128-bit integer needs 16, so one more slot is asked for.
DecimalTotal* totalOf(sqlite3_context* context, bool create)
{
    void* memory = sqlite3_aggregate_context(context, create ? sizeof(DecimalTotal) + alignof(DecimalTotal) : 0);
    if (!memory)
        return nullptr;
    auto address = reinterpret_cast<std::uintptr_t>(memory);
    address = (address + alignof(DecimalTotal) - 1) & ~(std::uintptr_t(alignof(DecimalTotal)) - 1);
    return reinterpret_cast<DecimalTotal*>(address);
}

// tsql_sum_decimal(x, scale) and tsql_avg_decimal(x, scale, result scale): one row.
void totalStep(sqlite3_context* context, int count, sqlite3_value** argv)
{
    DecimalTotal* total = totalOf(context, true);
    auto value = total ? readDecimal(argv[0], intArgument(argv[1])) : std::nullopt;
    if (!value)
        return;
    total->scale = intArgument(argv[1]);
    total->averageScale = count > 2 ? intArgument(argv[2]) : 0;
    total->overflow = total->overflow || __builtin_add_overflow(total->units, value->units, &total->units);
    ++total->count;
}

// The exact total, or nothing once the result (NULL, or the overflow error) is set.
std::optional<Decimal> finalTotal(sqlite3_context* context, const DecimalTotal*& total)
{
    total = totalOf(context, false);
    if (!total || total->count == 0) {
        sqlite3_result_null(context);
        return std::nullopt;
    }
    Decimal sum{total->units, total->scale};
    if (total->overflow || !fitsPrecision(sum, maxDecimalDigits)) {
        sqlite3_result_error(context, "Arithmetic overflow error converting expression to data type numeric.", -1);
        return std::nullopt;
    }
    return sum;
}

void sumFinal(sqlite3_context* context)
{
    const DecimalTotal* total = nullptr;
    if (auto sum = finalTotal(context, total))
        resultDecimal(context, *sum);
}

// AVG divides the exact sum by the count at the result scale, truncating as a division does.
void averageFinal(sqlite3_context* context)
{
    const DecimalTotal* total = nullptr;
    try {
        if (auto sum = finalTotal(context, total))
            resultDecimal(context, divide(*sum, {total->count, 0}, total->averageScale));
    } catch (const ValueError& error) {
        sqlite3_result_error(context, error.what(), -1);
    }
}

}  // namespace

void registerDecimalFunctions(sqlite3* db)
{
    registerScalars(db, {{"tsql_decimal_add", 6, reportingValueErrors<binaryFunction<add>>},
                         {"tsql_decimal_subtract", 6, reportingValueErrors<binaryFunction<subtract>>},
                         {"tsql_decimal_multiply", 6, reportingValueErrors<binaryFunction<multiply>>},
                         {"tsql_decimal_divide", 6, reportingValueErrors<binaryFunction<divide>>},
                         {"tsql_decimal_remainder", 6, reportingValueErrors<binaryFunction<remainder>>},
                         {"tsql_to_decimal", 5, reportingValueErrors<toDecimal>},
                         {"tsql_to_integer", 3, reportingValueErrors<toInteger>},
                         {"tsql_round", 5, reportingValueErrors<roundFunction>},
                         {"tsql_decimal_text", 3, reportingValueErrors<decimalText>}});
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    SqlFunction step = reportingValueErrors<totalStep>;
    sqlite3_create_function_v2(db, "tsql_sum_decimal", 2, flags, nullptr, nullptr, step, sumFinal, nullptr);
    sqlite3_create_function_v2(db, "tsql_avg_decimal", 3, flags, nullptr, nullptr, step, averageFinal, nullptr);
}

}  // namespace tsql
