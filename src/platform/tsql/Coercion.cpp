#include "tsql/Coercion.h"

#include "tsql/DateTime.h"
#include "tsql/Dialect.h"

#include <cctype>

namespace tsql {

namespace {

bool isStringConstant(const Expr& expr) { return expr.kind == ExprKind::Literal && expr.literal == LiteralKind::String; }

[[noreturn]] void conversionFailed(const Expr& expr, const SqlType& target)
{
    throw Error("conversion failed when converting '" + expr.name + "' to " + target.declared(), expr.pos.line,
                expr.pos.column);
}

ExprPtr nativeCast(ExprPtr expr, const char* sqliteType, const SqlType& type)
{
    Position pos = expr->pos;
    ExprPtr node = Expr::make(ExprKind::NativeCast, pos, sqliteType);
    node->args.push_back(std::move(expr));
    node->type = type;
    node->checked = true;
    return node;
}

// The literal kind of a number written as text, or nothing when the text is no number.
std::optional<LiteralKind> numberKind(const std::string& text)
{
    size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
    size_t digits = 0, dots = 0;
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            ++digits;
        else if (text[i] == '.' && ++dots == 1)
            continue;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    return dots ? LiteralKind::Decimal : LiteralKind::Integer;
}

void constantToNumber(Expr& expr, const SqlType& target)
{
    std::string_view trimmed = expr.name;
    while (!trimmed.empty() && trimmed.front() == ' ')
        trimmed.remove_prefix(1);
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.remove_suffix(1);
    std::string text(trimmed.empty() ? std::string_view("0") : trimmed);  // SQL Server reads '' as zero
    auto kind = numberKind(text);
    if (!kind || (*kind == LiteralKind::Decimal && target.category != SqlType::Category::Decimal
                  && target.category != SqlType::Category::Float))
        conversionFailed(expr, target);
    expr.name = text;
    expr.literal = *kind;
    expr.type = target;
}

void toDate(ExprPtr& expr, const SqlType& target)
{
    if (expr->type.isDate())
        return;
    if (isStringConstant(*expr)) {
        auto value = parseDateTime(expr->name);
        if (!value)
            conversionFailed(*expr, target);
        expr->name = formatDateTime(*value);
        expr->type = target;
        return;
    }
    if (expr->type.isText() || expr->type.isNumber()) {
        Position pos = expr->pos;
        std::vector<ExprPtr> args;
        args.push_back(std::move(expr));
        expr = nativeCall("tsql_datetime", std::move(args), target, pos);
        return;
    }
}

void toNumber(ExprPtr& expr, const SqlType& target)
{
    if (expr->type.isNumber())
        return;
    if (expr->type.isDate())
        throw Error("implicit conversion from " + expr->type.declared() + " to " + target.declared() + " is not allowed",
                    expr->pos.line, expr->pos.column);
    if (isStringConstant(*expr)) {
        constantToNumber(*expr, target);
        return;
    }
    if (expr->type.isText()) {
        const char* sqliteType = target.category == SqlType::Category::Float     ? "REAL"
                                 : target.category == SqlType::Category::Decimal ? "NUMERIC"
                                                                                 : "INTEGER";
        expr = nativeCast(std::move(expr), sqliteType, target);
    }
}

void toText(ExprPtr& expr, const SqlType& target)
{
    if (expr->type.isText() || expr->type.isDate())
        return;
    Position pos = expr->pos;
    if (expr->type.category == SqlType::Category::Decimal) {
        int scale = expr->type.scale;
        std::vector<ExprPtr> args;
        args.push_back(std::move(expr));
        args.push_back(integerLiteral(scale, pos));
        expr = nativeCall("tsql_decimal_text", std::move(args), target, pos);
    } else if (expr->type.isNumber()) {
        expr = nativeCast(std::move(expr), "TEXT", target);
    }
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

void convertImplicitly(ExprPtr& expr, const SqlType& target)
{
    if (expr->type.isNull() || target.category == SqlType::Category::Unknown)
        return;
    if (target.isDate())
        toDate(expr, target);
    else if (target.isNumber())
        toNumber(expr, target);
    else if (target.isText())
        toText(expr, target);
}

namespace {

void castToText(ExprPtr& expr, const SqlType& target)
{
    bool longer = target.size > 0 && (expr->type.size == 0 || expr->type.size > target.size);
    if (expr->type.isText() && longer) {
        Position pos = expr->pos;
        std::vector<ExprPtr> args;
        args.push_back(std::move(expr));
        args.push_back(integerLiteral(1, pos));
        args.push_back(integerLiteral(target.size, pos));
        expr = nativeCall("substr", std::move(args), target, pos);
        return;
    }
    toText(expr, target);
}

void castToDecimal(ExprPtr& expr, const SqlType& target)
{
    toNumber(expr, target);
    const SqlType& source = expr->type;
    bool finer = source.category == SqlType::Category::Float
                 || (source.category == SqlType::Category::Decimal && source.scale > target.scale);
    if (!finer)
        return;
    Position pos = expr->pos;
    int sourceScale = source.category == SqlType::Category::Decimal ? source.scale : -1;
    std::vector<ExprPtr> args;
    args.push_back(std::move(expr));
    args.push_back(integerLiteral(target.scale, pos));
    args.push_back(integerLiteral(sourceScale, pos));
    expr = nativeCall("tsql_round", std::move(args), target, pos);
}

void castToInteger(ExprPtr& expr, const SqlType& target)
{
    toNumber(expr, target);
    if (expr->type.category == SqlType::Category::Decimal || expr->type.category == SqlType::Category::Float)
        expr = nativeCast(std::move(expr), "INTEGER", target);
}

}  // namespace

void castExplicitly(ExprPtr& expr, const SqlType& target)
{
    if (!expr->type.isNull()) {
        if (target.isText())
            castToText(expr, target);
        else if (target.category == SqlType::Category::Decimal)
            castToDecimal(expr, target);
        else if (target.category == SqlType::Category::Integer || target.category == SqlType::Category::Bit)
            castToInteger(expr, target);
        else
            convertImplicitly(expr, target);
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
