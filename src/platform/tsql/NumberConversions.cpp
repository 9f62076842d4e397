// Conversions to numbers: constants are converted while translating (a wrong one is refused with SQL
// Server's message and its position), other values by the runtime functions, and a conversion that can
// never lose anything (an INT into DECIMAL(13,2)) only changes the type.
#include "tsql/Coercion.h"
#include "tsql/ConversionSteps.h"
#include "tsql/Decimal.h"
#include "tsql/Dialect.h"
#include "tsql/StoredDecimal.h"

#include <cctype>
#include <cstdlib>
#include <limits>

namespace tsql {

namespace {

[[noreturn]] void fail(const std::string& message, Position pos) { throw Error(message, pos.line, pos.column); }

bool isLiteral(const Expr& expr, LiteralKind kind) { return expr.kind == ExprKind::Literal && expr.literal == kind; }

std::string trimmed(const std::string& text)
{
    std::size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

int sourceCode(const SqlType& type)
{
    if (type.isText())
        return fromText;
    return type.category == SqlType::Category::Float ? fromFloat : storedScale(type);
}

struct IntegerRange {
    long long lowest, highest;
};

IntegerRange rangeOf(const SqlType& type)
{
    if (type.base == "TINYINT")
        return {0, 255};
    if (type.base == "SMALLINT")
        return {-32768, 32767};
    if (type.base == "BIGINT")
        return {std::numeric_limits<long long>::min(), std::numeric_limits<long long>::max()};
    if (type.category == SqlType::Category::Bit)
        return {0, 1};
    return {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
}

// A decimal brought to the target's scale and checked against its precision.
Decimal fitted(const Decimal& value, const SqlType& target, const std::string& sourceName, Position pos)
{
    try {
        Decimal result = rescale(value, target.scale);
        if (!fitsPrecision(result, target.precision))
            throwOverflow(sourceName);
        return result;
    } catch (const ValueError& error) {
        fail(error.what(), pos);
    }
}

void becomeDecimalLiteral(Expr& expr, const Decimal& value, const SqlType& target)
{
    expr.name = formatDecimal(value);
    expr.literal = value.scale > 0 ? LiteralKind::Decimal : LiteralKind::Integer;
    expr.type = target;
}

// The decimal a numeric constant spells (a float one read to its 15 significant digits, at `scale`).
Decimal literalValue(const Expr& expr, int scale)
{
    auto value = expr.literal == LiteralKind::Float ? fromDoubleDigits(std::strtod(expr.name.c_str(), nullptr), scale)
                                                    : parseDecimal(expr.name);
    if (!value)
        fail("Arithmetic overflow error converting " + messageName(expr.type) + " to data type numeric.", expr.pos);
    return *value;
}

void foldInteger(Expr& expr, const Decimal& value, const SqlType& target, const std::string& sourceName)
{
    Decimal whole = rescale(value, 0, Rounding::TowardZero);
    IntegerRange range = rangeOf(target);
    if (whole.units < range.lowest || whole.units > range.highest)
        fail("Arithmetic overflow error converting " + sourceName + " to data type " + messageName(target) + ".", expr.pos);
    expr.name = formatDecimal(whole);
    expr.literal = LiteralKind::Integer;
    expr.type = target;
}

}  // namespace

// tsql_to_decimal(x, source, precision, scale, source name) or tsql_to_integer(x, source, target name).
void convertAtRunTime(ExprPtr& expr, const SqlType& target)
{
    Position pos = expr->pos;
    int source = sourceCode(expr->type);
    std::string sourceName = messageName(expr->type);
    std::vector<ExprPtr> args;
    args.push_back(std::move(expr));
    args.push_back(integerLiteral(source, pos));
    if (target.category == SqlType::Category::Decimal) {
        args.push_back(integerLiteral(target.precision, pos));
        args.push_back(integerLiteral(target.scale, pos));
        args.push_back(stringLiteral(sourceName, pos));
        expr = nativeCall("tsql_to_decimal", std::move(args), target, pos);
    } else {
        args.push_back(stringLiteral(messageName(target), pos));
        expr = nativeCall("tsql_to_integer", std::move(args), target, pos);
    }
}

namespace {

// What every numeric CAST starts with: a date is refused, a text constant converted now. True when the
// constant is converted.
bool foldedText(ExprPtr& expr, const SqlType& target)
{
    if (expr->type.isDate())
        fail("conversion from " + expr->type.declared() + " to " + target.declared() + " is not supported", expr->pos);
    if (!isLiteral(*expr, LiteralKind::String))
        return false;
    foldNumber(*expr, target);
    return true;
}

}  // namespace

std::string messageName(const SqlType& type)
{
    if (type.category == SqlType::Category::Decimal && !type.isMoney())
        return "numeric";
    if (type.category == SqlType::Category::Bit)
        return "bit";
    std::string name = type.base;
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

void nativeCast(ExprPtr& expr, const char* sqliteType, const SqlType& type)
{
    Position pos = expr->pos;
    ExprPtr node = Expr::make(ExprKind::NativeCast, pos, sqliteType);
    node->args.push_back(std::move(expr));
    node->type = type;
    node->checked = true;
    expr = std::move(node);
}

// SQL Server reads '' as 0 for an integer or a float, but as no number for a decimal.
void foldNumber(Expr& expr, const SqlType& target)
{
    std::string text = trimmed(expr.name);
    std::string sourceName = expr.unicode ? "nvarchar" : "varchar";
    auto value = parseDecimal(text.empty() && target.category != SqlType::Category::Decimal ? "0" : text);
    if (target.category == SqlType::Category::Float) {
        char* end = nullptr;
        std::strtod(text.c_str(), &end);
        if (!text.empty() && *end != '\0')
            fail("Error converting data type " + sourceName + " to float.", expr.pos);
        expr.name = text.empty() ? "0" : text;
        expr.literal = LiteralKind::Float;
        expr.type = target;
        return;
    }
    if (target.category == SqlType::Category::Decimal) {
        if (!value)
            fail("Error converting data type " + sourceName + " to numeric.", expr.pos);
        becomeDecimalLiteral(expr, fitted(*value, target, sourceName, expr.pos), target);
        return;
    }
    if (!value || value->scale > 0)
        fail("conversion failed when converting '" + expr.name + "' to " + target.declared(), expr.pos);
    foldInteger(expr, *value, target, sourceName);
}

void castToDecimal(ExprPtr& expr, const SqlType& target)
{
    const SqlType& source = expr->type;
    if (foldedText(expr, target))
        return;
    if (expr->kind == ExprKind::Literal && expr->literal != LiteralKind::Null) {
        becomeDecimalLiteral(*expr, fitted(literalValue(*expr, target.scale), target, messageName(source), expr->pos),
                             target);
        return;
    }
    bool exact = source.isExactNumber();
    int integralDigits = source.decimalPrecision() - storedScale(source);
    if (exact && storedScale(source) <= target.scale && integralDigits <= target.precision - target.scale)
        return;  // every value fits as it is
    convertAtRunTime(expr, target);
}

void castToInteger(ExprPtr& expr, const SqlType& target)
{
    const SqlType& source = expr->type;
    if (foldedText(expr, target))
        return;
    if (isLiteral(*expr, LiteralKind::Integer) || isLiteral(*expr, LiteralKind::Decimal)) {
        foldInteger(*expr, literalValue(*expr, 0), target, messageName(source));
        return;
    }
    bool narrower = source.category == SqlType::Category::Integer || source.category == SqlType::Category::Bit;
    IntegerRange from = rangeOf(source), to = rangeOf(target);
    if (narrower && from.lowest >= to.lowest && from.highest <= to.highest)
        return;
    convertAtRunTime(expr, target);
}

// Any number but 0 is 1.
void castToBit(ExprPtr& expr)
{
    if (expr->type.isText())
        nativeCast(expr, "INTEGER", SqlType::integer());
    Position pos = expr->pos;
    ExprPtr test = Expr::make(ExprKind::Binary, pos, "<>");
    test->args.push_back(std::move(expr));
    test->args.push_back(integerLiteral(0, pos));
    test->type = SqlType::bit();
    test->checked = true;
    expr = std::move(test);
}

}  // namespace tsql
