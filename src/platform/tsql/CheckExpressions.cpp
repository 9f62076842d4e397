#include "tsql/Checker.h"

#include "tsql/Coercion.h"
#include "tsql/Dialect.h"
#include "tsql/Like.h"
#include "tsql/Unicode.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
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

// A checked binary node: a comparison, AND, or another operator whose type is given.
ExprPtr binaryNode(std::string op, ExprPtr left, ExprPtr right, const SqlType& type)
{
    Position pos = left->pos;
    ExprPtr node = Expr::make(ExprKind::Binary, pos, std::move(op));
    node->args.push_back(std::move(left));
    node->args.push_back(std::move(right));
    node->type = type;
    node->checked = true;
    return node;
}

// The runtime function of a decimal operator.
const char* decimalFunction(const std::string& op)
{
    switch (op[0]) {
    case '+':
        return "tsql_decimal_add";
    case '-':
        return "tsql_decimal_subtract";
    case '*':
        return "tsql_decimal_multiply";
    case '/':
        return "tsql_decimal_divide";
    default:
        return "tsql_decimal_remainder";
    }
}

// Rows a LIKE with a fixed start can match lie in a range of the collation: written as comparisons of
// the column, they let an index find them, and the exact match runs only on those.
ExprPtr indexRange(const Expr& column, const std::string& prefix, bool whole)
{
    Position pos = column.pos;
    if (whole)
        return binaryNode("=", cloneExpr(column), stringLiteral(prefix, pos), SqlType::boolean());
    std::string beyond = prefix;
    appendUtf8(beyond, 0x10FFFF);  // the last character there is: after every text that starts with prefix
    return binaryNode("AND", binaryNode(">=", cloneExpr(column), stringLiteral(prefix, pos), SqlType::boolean()),
                      binaryNode("<", cloneExpr(column), stringLiteral(beyond, pos), SqlType::boolean()),
                      SqlType::boolean());
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
    case ExprKind::Like:
        checkLike(expr, scope);
        return;
    case ExprKind::Between:
    case ExprKind::InList:
    case ExprKind::InSubquery:
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
    case LiteralKind::Integer: {  // beyond INT, a whole number is a DECIMAL(p, 0) in SQL Server
        errno = 0;
        long long value = std::strtoll(expr.name.c_str(), nullptr, 10);
        if (errno == ERANGE || value > std::numeric_limits<int>::max())
            expr.type = decimalLiteralType(expr.name + ".");
        else
            expr.type = SqlType::integer();
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
    // A text meeting a number takes that number's type first, as SQL Server converts it.
    if (left->type.isText() && right->type.isNumber())
        convertImplicitly(left, right->type);
    else if (right->type.isText() && left->type.isNumber())
        convertImplicitly(right, left->type);
    SqlType result = arithmeticResult(op[0], left->type, right->type);
    if (result.isText())
        fail("operand data type " + result.declared() + " is invalid for the " + op + " operator", expr->pos);
    convertImplicitly(left, result);
    convertImplicitly(right, result);
    if (result.category != SqlType::Category::Decimal) {
        expr->type = result;
        return;
    }
    // Decimals are computed exactly by the runtime, given each operand's scale and the result's type.
    Position pos = expr->pos;
    int leftScale = storedScale(left->type), rightScale = storedScale(right->type);
    std::vector<ExprPtr> args;
    args.push_back(std::move(left));
    args.push_back(integerLiteral(leftScale, pos));
    args.push_back(std::move(right));
    args.push_back(integerLiteral(rightScale, pos));
    args.push_back(integerLiteral(result.precision, pos));
    args.push_back(integerLiteral(result.scale, pos));
    expr = nativeCall(decimalFunction(op), std::move(args), result, pos);
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
    default:
        break;
    }
}

// LIKE becomes tsql_like(value, pattern, escape, blanks count): trailing blanks count when a side is
// Unicode. A pattern with a fixed start over a column also gets the column's range in the collation.
void Checker::checkLike(ExprPtr& expr, const Scope& scope)
{
    bool unicode = false;
    for (ExprPtr& arg : expr->args) {
        checkExpr(arg, scope);
        unicode = unicode || arg->type.isUnicode();
        convertImplicitly(arg, SqlType::text("NVARCHAR", 0));
    }
    Position pos = expr->pos;
    bool negated = expr->negated;
    std::vector<ExprPtr>& args = expr->args;
    if (args.size() < 3)
        args.push_back(stringLiteral("", pos));
    const Expr& value = *args[0];
    const Expr& pattern = *args[1];
    const Expr& escape = *args[2];
    std::optional<std::string> prefix;
    bool whole = false;
    bool constants = pattern.kind == ExprKind::Literal && escape.kind == ExprKind::Literal
                     && pattern.literal == LiteralKind::String && escape.literal == LiteralKind::String;
    if (value.kind == ExprKind::Column && constants) {
        std::size_t at = 0;
        prefix = fixedPrefix(pattern.name, escape.name.empty() ? 0 : decodeUtf8(escape.name, at), whole);
    }
    ExprPtr range = prefix ? indexRange(value, *prefix, whole) : nullptr;
    args.push_back(integerLiteral(unicode ? 1 : 0, pos));
    ExprPtr test = nativeCall("tsql_like", std::move(args), SqlType::boolean(), pos);
    if (range)
        test = binaryNode("AND", std::move(range), std::move(test), SqlType::boolean());
    if (negated) {
        ExprPtr node = Expr::make(ExprKind::Unary, pos, "NOT");
        node->args.push_back(std::move(test));
        node->type = SqlType::boolean();
        node->checked = true;
        test = std::move(node);
    }
    expr = std::move(test);
}

void Checker::checkSubquery(Expr& expr, const Scope& scope)
{
    std::vector<OutputColumn> outputs = checkQuery(*expr.query, &scope);
    if (outputs.size() != 1)
        fail("a subquery used as a value must return exactly one column", expr.pos);
    expr.type = outputs.front().type;
}

// CAST(x AS type) and CONVERT(type, x[, style]), the style as the parser leaves it: a second argument.
void Checker::checkCast(ExprPtr& expr, const Scope& scope)
{
    checkExpr(expr->args[0], scope);
    SqlType target = SqlType::fromTypeName(expr->target, 30);
    std::optional<int> style;
    if (expr->args.size() > 1) {
        const std::string& digits = expr->args[1]->name;
        int number = -1;  // a style too long to read is no style either
        std::from_chars(digits.data(), digits.data() + digits.size(), number);
        style = number;
    }
    ExprPtr value = std::move(expr->args[0]);
    castExplicitly(value, target, style);
    expr = std::move(value);
}

}  // namespace tsql
