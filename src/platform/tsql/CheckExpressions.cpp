#include "tsql/Checker.h"

#include "tsql/Coercion.h"
#include "tsql/Dialect.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>

namespace tsql {

namespace {

[[noreturn]] void fail(const std::string& message, Position pos) { throw Error(message, pos.line, pos.column); }

bool isComparison(const std::string& op)
{
    return op == "=" || op == "<>" || op == "<" || op == "<=" || op == ">" || op == ">=";
}

int countCharacters(const std::string& utf8)
{
    int count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}

// DECIMAL(p, s) of a decimal literal as SQL Server types it: 310.00 is DECIMAL(5, 2).
SqlType decimalLiteralType(const std::string& text)
{
    size_t dot = text.find('.');
    std::string whole = text.substr(0, dot);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    int scale = static_cast<int>(text.size() - dot - 1);
    return SqlType::decimal(std::max(1, static_cast<int>(whole.size()) + scale), scale);
}

}  // namespace

void Checker::checkExpr(ExprPtr& expr, const Scope& scope)
{
    if (expr->checked)
        return;
    switch (expr->kind) {
    case ExprKind::Literal:
        checkLiteral(*expr);
        break;
    case ExprKind::Column:
        resolveColumn(expr, scope);
        return;
    case ExprKind::Variable:
        resolveVariable(expr, scope);
        return;
    case ExprKind::Unary:
        checkUnary(expr, scope);
        break;
    case ExprKind::Binary:
        checkBinary(expr, scope);
        break;
    case ExprKind::Call:
        checkCall(expr, scope);
        break;
    case ExprKind::Cast:
        checkCast(expr, scope);
        break;
    case ExprKind::Case:
        checkCase(*expr, scope);
        break;
    case ExprKind::Between:
    case ExprKind::InList:
    case ExprKind::InSubquery:
    case ExprKind::Like:
    case ExprKind::IsNull:
    case ExprKind::Exists:
        checkPredicate(*expr, scope);
        break;
    case ExprKind::Subquery:
        checkSubquery(*expr, scope);
        break;
    case ExprKind::Identity:
        expr->type = SqlType::fromTypeName(expr->target, 1);
        for (ExprPtr& arg : expr->args)
            checkExpr(arg, scope);
        break;
    case ExprKind::DatePart:
    case ExprKind::Star:
        fail("'" + expr->name + "' is not allowed here", expr->pos);
    case ExprKind::OutputName:
    case ExprKind::NativeCall:
    case ExprKind::NativeCast:
        break;
    }
    expr->checked = true;
}

void Checker::checkLiteral(Expr& expr)
{
    switch (expr.literal) {
    case LiteralKind::Integer: {
        errno = 0;
        long long value = std::strtoll(expr.name.c_str(), nullptr, 10);
        if (errno == ERANGE)
            expr.type = SqlType::decimal(static_cast<int>(expr.name.size()), 0);
        else
            expr.type = SqlType::integer(value > std::numeric_limits<int>::max() ? "BIGINT" : "INT");
        break;
    }
    case LiteralKind::Decimal:
        expr.type = decimalLiteralType(expr.name);
        break;
    case LiteralKind::Float:
        expr.type = SqlType::floating();
        break;
    case LiteralKind::String:
        expr.type = SqlType::text(expr.unicode ? "NVARCHAR" : "VARCHAR", std::max(1, countCharacters(expr.name)));
        break;
    case LiteralKind::Null:
        expr.type = SqlType::null();
        break;
    }
}

// A column name resolves to the one source of the innermost query that has it; a name found in two
// sources of the same query is ambiguous, as in SQL Server.
void Checker::resolveColumn(ExprPtr& expr, const Scope& scope)
{
    std::string key = upperName(expr->name);
    std::string qualifierKey = upperName(expr->qualifier);
    for (const Scope* level = &scope; level; level = level->outer) {
        const Source* found = nullptr;
        if (!qualifierKey.empty()) {
            found = level->findSource(qualifierKey);
            if (found && !found->findColumn(key))
                fail("invalid column name '" + expr->qualifier + "." + expr->name + "'", expr->pos);
        } else if (auto owners = level->columnOwners.find(key); owners != level->columnOwners.end()) {
            if (owners->second.size() > 1)
                fail("ambiguous column name '" + expr->name + "'", expr->pos);
            found = &level->sources[owners->second.front()];
        }
        if (!found)
            continue;
        const SourceColumn& column = *found->findColumn(key);
        if (column.substitute) {
            expr = cloneExpr(*column.substitute);
            return;
        }
        expr->qualifier = found->sqliteAlias;
        expr->name = column.name;
        expr->type = column.type;
        expr->checked = true;
        return;
    }
    if (!qualifierKey.empty())
        fail("the multi-part identifier '" + expr->qualifier + "." + expr->name + "' could not be bound", expr->pos);
    fail("invalid column name '" + expr->name + "'", expr->pos);
}

void Checker::resolveVariable(ExprPtr& expr, const Scope& scope)
{
    const Expr* value = scope.findParameter(expr->name);
    if (!value)
        fail("must declare the scalar variable '" + expr->name + "'", expr->pos);
    expr = cloneExpr(*value);
}

void Checker::checkUnary(ExprPtr& expr, const Scope& scope)
{
    checkExpr(expr->args[0], scope);
    if (expr->name == "NOT") {
        expr->type = SqlType::boolean();
        return;
    }
    if (expr->args[0]->type.isText())
        convertImplicitly(expr->args[0], SqlType::integer());
    const SqlType& operand = expr->args[0]->type;
    if (operand.isDate())
        fail("operand type " + operand.declared() + " is invalid for unary " + expr->name, expr->pos);
    expr->type = operand.category == SqlType::Category::Bit ? SqlType::integer() : operand;
}

void Checker::checkBinary(ExprPtr& expr, const Scope& scope)
{
    checkExpr(expr->args[0], scope);
    checkExpr(expr->args[1], scope);
    const std::string& op = expr->name;
    if (op == "AND" || op == "OR") {
        expr->type = SqlType::boolean();
    } else if (isComparison(op)) {
        unifyForComparison(expr->args[0], expr->args[1]);
        expr->type = SqlType::boolean();
    } else {
        checkArithmetic(expr);
    }
}

// + concatenates when a side is character data and the other is text too (or NULL); otherwise the text
// side converts to the number, as SQL Server's type precedence says. A number added to a date adds days.
void Checker::checkArithmetic(ExprPtr& expr)
{
    ExprPtr& left = expr->args[0];
    ExprPtr& right = expr->args[1];
    const std::string op = expr->name;
    bool leftText = left->type.isText() || left->type.isNull();
    bool rightText = right->type.isText() || right->type.isNull();
    if (op == "+" && leftText && rightText && (left->type.isText() || right->type.isText())) {
        expr->name = "||";
        expr->type = SqlType::text(left->type.precedence() >= right->type.precedence() ? left->type.base : right->type.base,
                                   left->type.size == 0 || right->type.size == 0 ? 0 : left->type.size + right->type.size);
        if (left->type.isNull() || right->type.isNull())
            expr->type.size = left->type.isNull() ? right->type.size : left->type.size;
        return;
    }
    if ((op == "+" || op == "-") && (left->type.isDate() || right->type.isDate())) {
        if (left->type.isDate() == right->type.isDate() || (op == "-" && right->type.isDate()))
            fail("operand types are invalid for " + op, expr->pos);
        bool dateFirst = left->type.isDate();
        SqlType dateType = dateFirst ? left->type : right->type;
        ExprPtr days = std::move(dateFirst ? right : left);
        ExprPtr date = std::move(dateFirst ? left : right);
        if (op == "-") {
            ExprPtr negated = Expr::make(ExprKind::Unary, days->pos, "-");
            negated->type = days->type;
            negated->checked = true;
            negated->args.push_back(std::move(days));
            days = std::move(negated);
        }
        std::vector<ExprPtr> args;
        args.push_back(stringLiteral("day", expr->pos));
        args.push_back(std::move(days));
        args.push_back(std::move(date));
        expr = nativeCall("tsql_dateadd", std::move(args), dateType, expr->pos);
        return;
    }
    SqlType result = arithmeticResult(op[0], left->type, right->type);
    if (result.isText())
        fail("operand data type " + result.declared() + " is invalid for the " + op + " operator", expr->pos);
    convertImplicitly(left, result);
    convertImplicitly(right, result);
    // SQLite divides two integers as integers; a decimal stored as an integer must divide exactly.
    if (op == "/" && result.category != SqlType::Category::Integer) {
        ExprPtr real = Expr::make(ExprKind::NativeCast, left->pos, "REAL");
        real->type = left->type;
        real->checked = true;
        real->args.push_back(std::move(left));
        left = std::move(real);
    }
    expr->type = result;
}

// The result type of CASE is the highest-precedence type of its THEN and ELSE values; each value is
// converted to it, and a simple CASE compares its operand with each WHEN value as `=` would.
void Checker::checkCase(Expr& expr, const Scope& scope)
{
    for (ExprPtr& arg : expr.args)
        checkExpr(arg, scope);
    size_t first = expr.hasOperand ? 1 : 0;
    size_t whenEnd = expr.args.size() - (expr.hasElse ? 1 : 0);
    SqlType result = SqlType::null();
    for (size_t i = first; i < whenEnd; i += 2)
        result = commonType(result, expr.args[i + 1]->type);
    if (expr.hasElse)
        result = commonType(result, expr.args.back()->type);
    for (size_t i = first; i < whenEnd; i += 2) {
        if (expr.hasOperand) {
            ExprPtr& operand = expr.args[0];
            unifyForComparison(operand, expr.args[i]);
        }
        convertImplicitly(expr.args[i + 1], result);
    }
    if (expr.hasElse)
        convertImplicitly(expr.args.back(), result);
    expr.type = result;
}

void Checker::checkPredicate(Expr& expr, const Scope& scope)
{
    expr.type = SqlType::boolean();
    if (expr.query) {
        checkQuery(*expr.query, &scope);
        if (expr.kind == ExprKind::InSubquery)
            checkExpr(expr.args[0], scope);
        return;
    }
    for (ExprPtr& arg : expr.args)
        checkExpr(arg, scope);
    switch (expr.kind) {
    case ExprKind::Between:
        unifyForComparison(expr.args[0], expr.args[1]);
        unifyForComparison(expr.args[0], expr.args[2]);
        break;
    case ExprKind::InList:
        for (size_t i = 1; i < expr.args.size(); ++i)
            unifyForComparison(expr.args[0], expr.args[i]);
        break;
    case ExprKind::Like:
        for (ExprPtr& arg : expr.args)
            convertImplicitly(arg, SqlType::text("NVARCHAR", 0));
        break;
    default:
        break;
    }
}

void Checker::checkSubquery(Expr& expr, const Scope& scope)
{
    std::vector<OutputColumn> outputs = checkQuery(*expr.query, &scope);
    if (outputs.size() != 1)
        fail("a subquery used as a value must return exactly one column", expr.pos);
    expr.type = outputs.front().type;
}

void Checker::checkCast(ExprPtr& expr, const Scope& scope)
{
    checkExpr(expr->args[0], scope);
    SqlType target = SqlType::fromTypeName(expr->target, 30);
    ExprPtr value = std::move(expr->args[0]);
    castExplicitly(value, target);
    expr = std::move(value);
}

}  // namespace tsql
