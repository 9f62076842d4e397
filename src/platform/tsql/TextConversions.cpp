// Conversions to text: how SQL Server writes a decimal (money with two decimals), a date (by CONVERT
// style, or the default form of its type), and how a character type of n characters takes a longer value.
#include "tsql/Coercion.h"
#include "tsql/ConversionSteps.h"
#include "tsql/DateStyles.h"

namespace tsql {

namespace {

// The style CAST to text writes a date type in.
int defaultStyle(const SqlType& date)
{
    if (date.base == "DATE")
        return 23;
    return date.base == "DATETIME2" ? datetime2Style : 0;
}

// The most characters a number of this type can take as text: digits, sign and point.
int longestText(const SqlType& type)
{
    if (type.category == SqlType::Category::Bit)
        return 1;
    if (type.category == SqlType::Category::Integer)
        return type.base == "TINYINT" ? 3 : type.base == "SMALLINT" ? 6 : type.base == "BIGINT" ? 20 : 11;
    if (type.category == SqlType::Category::Decimal)
        return type.precision + 2 + (type.scale == type.precision ? 1 : 0);
    return 30;
}

bool fixedLength(const SqlType& type) { return type.base == "CHAR" || type.base == "NCHAR"; }

void callWith(ExprPtr& expr, const char* function, std::vector<ExprPtr> extra, const SqlType& type)
{
    Position pos = expr->pos;
    std::vector<ExprPtr> args;
    args.push_back(std::move(expr));
    for (ExprPtr& arg : extra)
        args.push_back(std::move(arg));
    expr = nativeCall(function, std::move(args), type, pos);
}

std::vector<ExprPtr> integers(std::initializer_list<long long> values, Position pos)
{
    std::vector<ExprPtr> literals;
    for (long long value : values)
        literals.push_back(integerLiteral(value, pos));
    return literals;
}

// A number's text in n characters: '*' for an integer in CHAR or VARCHAR, an overflow error otherwise.
void fitNumber(ExprPtr& expr, const SqlType& source, const SqlType& target)
{
    Position pos = expr->pos;
    bool integer = source.category == SqlType::Category::Integer || source.category == SqlType::Category::Bit;
    std::vector<ExprPtr> extra = integers({target.size}, pos);
    if (integer && !target.isUnicode()) {
        extra.push_back(stringLiteral("*", pos));
    } else {
        ExprPtr none = Expr::make(ExprKind::Literal, pos);
        none->checked = true;
        extra.push_back(std::move(none));
    }
    std::string from = integer ? "expression" : messageName(source);
    extra.push_back(
        stringLiteral("Arithmetic overflow error converting " + from + " to data type " + messageName(target) + ".", pos));
    callWith(expr, "tsql_fit_number", std::move(extra), target);
}

}  // namespace

void textOfValue(ExprPtr& expr, const SqlType& target, int style)
{
    const SqlType source = expr->type;
    Position pos = expr->pos;
    if (source.isText())
        return;
    if (source.isDate()) {
        callWith(expr, "tsql_date_text", integers({style == 0 ? defaultStyle(source) : style}, pos), target);
    } else if (source.category == SqlType::Category::Decimal) {
        callWith(expr, "tsql_decimal_text", integers({source.scale, source.isMoney() ? 2 : source.scale}, pos), target);
    } else if (source.isNumber()) {
        nativeCast(expr, "TEXT", target);
    }
}

void castToText(ExprPtr& expr, const SqlType& target, int style)
{
    const SqlType source = expr->type;
    Position pos = expr->pos;
    textOfValue(expr, target, style);
    if (target.size <= 0)
        return;
    if (fixedLength(target)) {
        if (source.isNumber() && longestText(source) > target.size)
            fitNumber(expr, source, target);
        callWith(expr, "tsql_char", integers({target.size}, pos), target);
    } else if (source.isNumber()) {
        if (longestText(source) > target.size)
            fitNumber(expr, source, target);
    } else if (!source.isText() || source.size == 0 || source.size > target.size) {
        callWith(expr, "substr", integers({1, target.size}, pos), target);
    }
}

}  // namespace tsql
