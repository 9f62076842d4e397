#include "tsql/Coercion.h"

#include "tsql/ConversionSteps.h"
#include "tsql/DateStyles.h"
#include "tsql/Dialect.h"

namespace tsql {

namespace {

bool isStringConstant(const Expr& expr) { return expr.kind == ExprKind::Literal && expr.literal == LiteralKind::String; }

[[noreturn]] void conversionFailed(const Expr& expr, const SqlType& target)
{
    throw Error("conversion failed when converting '" + expr.name + "' to " + target.declared(), expr.pos.line,
                expr.pos.column);
}

// A date's day alone, as DATE stores it: 'YYYY-MM-DD 00:00:00'.
void dropTimeOfDay(ExprPtr& expr, const SqlType& target)
{
    Position pos = expr->pos;
    std::vector<ExprPtr> args;
    args.push_back(std::move(expr));
    args.push_back(integerLiteral(1, pos));
    args.push_back(integerLiteral(10, pos));
    ExprPtr node = Expr::make(ExprKind::Binary, pos, "||");
    node->args.push_back(nativeCall("substr", std::move(args), target, pos));
    node->args.push_back(stringLiteral(" 00:00:00", pos));
    node->type = target;
    node->checked = true;
    expr = std::move(node);
}

// A date constant: read now, in the form of the CONVERT style when there is one. A text in none of the
// forms read, but plainly a date, is told apart from one that is no date at all.
void constantToDate(Expr& expr, const SqlType& target, int style)
{
    auto value = parseDateStyle(expr.name, style);
    if (!value && style == 0 && looksLikeOtherDateForm(expr.name))
        throw Error("the date '" + expr.name + "' is written in a form that is not supported: write it as 'YYYYMMDD' or "
                        "'YYYY-MM-DD' (with ' HH:MM:SS' after it), or CONVERT it with its style",
                    expr.pos.line, expr.pos.column);
    if (!value)
        conversionFailed(expr, target);
    if (target.base == "DATE")
        value->seconds = 0;
    expr.name = formatDateTime(*value);
    expr.type = target;
}

void toDate(ExprPtr& expr, const SqlType& target, int style)
{
    if (isStringConstant(*expr)) {
        constantToDate(*expr, target, style);
        return;
    }
    if (!expr->type.isDate() && (expr->type.isText() || expr->type.isNumber())) {
        Position pos = expr->pos;
        std::vector<ExprPtr> args;
        args.push_back(std::move(expr));
        if (style != 0)
            args.push_back(integerLiteral(style, pos));
        expr = nativeCall("tsql_datetime", std::move(args), target.base == "DATE" ? SqlType::dateTime() : target, pos);
    }
    if (target.base == "DATE" && expr->type.base != "DATE")
        dropTimeOfDay(expr, target);
}

// A CONVERT style other than 0 writes or reads a date as text, in one of the styles the layer knows.
void requireDateStyle(const Expr& expr, const SqlType& target, int style)
{
    bool dateAndText = (target.isDate() && expr.type.isText()) || (target.isText() && expr.type.isDate());
    if (!dateAndText || !isDateStyle(style))
        throw Error("CONVERT style " + std::to_string(style) + " is not supported"
                        + (dateAndText ? " for dates" : " from " + expr.type.declared() + " to " + target.declared()),
                    expr.pos.line, expr.pos.column);
}

void toNumber(ExprPtr& expr, const SqlType& target)
{
    if (expr->type.isNumber())
        return;
    if (expr->type.isDate())
        throw Error("implicit conversion from " + expr->type.declared() + " to " + target.declared() + " is not allowed",
                    expr->pos.line, expr->pos.column);
    if (isStringConstant(*expr)) {
        foldNumber(*expr, target);
        return;
    }
    if (!expr->type.isText())
        return;
    if (target.category == SqlType::Category::Decimal)
        convertAtRunTime(expr, target);
    else
        nativeCast(expr, target.category == SqlType::Category::Float ? "REAL" : "INTEGER", target);
}

}  // namespace

ExprPtr nativeCall(std::string name, std::vector<ExprPtr> args, const SqlType& type, Position pos)
{
    ExprPtr node = Expr::make(ExprKind::NativeCall, pos, std::move(name));
    node->args = std::move(args);
    node->type = type;
    node->checked = true;
    return node;
}

ExprPtr stringLiteral(std::string value, Position pos)
{
    ExprPtr node = Expr::make(ExprKind::Literal, pos, std::move(value));
    node->literal = LiteralKind::String;
    node->type = SqlType::text("VARCHAR", static_cast<int>(node->name.size()));
    node->checked = true;
    return node;
}

ExprPtr integerLiteral(long long value, Position pos)
{
    ExprPtr node = Expr::make(ExprKind::Literal, pos, std::to_string(value));
    node->literal = LiteralKind::Integer;
    node->type = SqlType::integer();
    node->checked = true;
    return node;
}

int storedScale(const SqlType& type) { return type.category == SqlType::Category::Decimal ? type.scale : 0; }

void convertImplicitly(ExprPtr& expr, const SqlType& target)
{
    if (expr->type.isNull() || target.category == SqlType::Category::Unknown)
        return;
    if (target.isDate())
        toDate(expr, target, 0);
    else if (target.isNumber())
        toNumber(expr, target);
    else if (target.isText())
        textOfValue(expr, target, 0);
}

void castExplicitly(ExprPtr& expr, const SqlType& target, std::optional<int> style)
{
    if (!expr->type.isNull()) {
        if (style && *style != 0)
            requireDateStyle(*expr, target, *style);
        if (target.isText())
            castToText(expr, target, style.value_or(0));
        else if (target.isDate())
            toDate(expr, target, style.value_or(0));
        else if (target.category == SqlType::Category::Decimal)
            castToDecimal(expr, target);
        else if (target.category == SqlType::Category::Bit)
            castToBit(expr);
        else if (target.category == SqlType::Category::Integer)
            castToInteger(expr, target);
        else
            toNumber(expr, target);
    }
    expr->type = target;
}

void unifyForComparison(ExprPtr& left, ExprPtr& right)
{
    const SqlType& a = left->type;
    const SqlType& b = right->type;
    if (a.isNull() || b.isNull())
        return;
    if (a.isDate() != b.isDate()) {
        if (a.isDate())
            convertImplicitly(right, a);
        else
            convertImplicitly(left, b);
    } else if (a.isNumber() != b.isNumber() && (a.isText() || b.isText())) {
        if (a.isNumber())
            convertImplicitly(right, a);
        else
            convertImplicitly(left, b);
    }
}

}  // namespace tsql
