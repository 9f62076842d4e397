// The T-SQL functions of the subset: each one's type rule and its SQLite form.
#include "tsql/Checker.h"

#include "tsql/Coercion.h"
#include "tsql/DateTime.h"
#include "tsql/Dialect.h"

#include <functional>
#include <map>

namespace tsql {

namespace {

[[noreturn]] void fail(const std::string& message, Position pos) { throw Error(message, pos.line, pos.column); }

// One call being checked: its arguments are already checked when a rule runs, except a date part.
struct Call {
    ExprPtr& expr;
    std::vector<ExprPtr>& args() { return expr->args; }
    Position pos() const { return expr->pos; }

    void become(const char* sqliteName, const SqlType& type)
    {
        expr = nativeCall(sqliteName, std::move(expr->args), type, expr->pos);
    }
};

using Rule = std::function<void(Call&)>;

struct FunctionRule {
    size_t minArguments;
    size_t maxArguments;
    bool takesDatePart;
    Rule rule;
};

DatePart datePartOf(const Expr& arg)
{
    auto part = datePartFromName(arg.name);
    if (!part)
        fail("'" + arg.name + "' is not a recognized date part", arg.pos);
    return *part;
}

// The date part argument as the runtime function reads it.
void replaceDatePart(ExprPtr& arg)
{
    DatePart part = datePartOf(*arg);
    arg = stringLiteral(std::string(datePartName(part)), arg->pos);
}

void toDateArgument(ExprPtr& arg) { convertImplicitly(arg, arg->type.isDate() ? arg->type : SqlType::dateTime()); }

// DATEPART, YEAR, MONTH, DAY: an integer from tsql_datepart.
Rule datePartRule(std::optional<DatePart> fixedPart)
{
    return [fixedPart](Call& call) {
        auto& args = call.args();
        if (fixedPart)
            args.insert(args.begin(), stringLiteral(std::string(datePartName(*fixedPart)), call.pos()));
        else
            replaceDatePart(args[0]);
        toDateArgument(args[1]);
        call.become("tsql_datepart", SqlType::integer());
    };
}

void dateDiffRule(Call& call)
{
    auto& args = call.args();
    replaceDatePart(args[0]);
    toDateArgument(args[1]);
    toDateArgument(args[2]);
    call.become("tsql_datediff", SqlType::integer());
}

void dateAddRule(Call& call)
{
    auto& args = call.args();
    replaceDatePart(args[0]);
    convertImplicitly(args[1], SqlType::integer());
    toDateArgument(args[2]);
    SqlType type = args[2]->type.isDate() ? args[2]->type : SqlType::dateTime();
    call.become("tsql_dateadd", type);
}

// ISNULL(a, b) has a's type, and b is converted to it as a CAST would: ISNULL(intColumn, '') gives 0,
// ISNULL(CAST(NULL AS VARCHAR(2)), 'Example') gives 'Ex'.
void isNullRule(Call& call)
{
    auto& args = call.args();
    SqlType type = args[0]->type.isNull() ? args[1]->type : args[0]->type;
    if (!args[0]->type.isNull())
        castExplicitly(args[1], type);
    call.become("coalesce", type);
}

void coalesceRule(Call& call)
{
    SqlType type = SqlType::null();
    for (const ExprPtr& arg : call.args())
        type = commonType(type, arg->type);
    for (ExprPtr& arg : call.args())
        convertImplicitly(arg, type);
    call.become("coalesce", type);
}

void nullIfRule(Call& call)
{
    auto& args = call.args();
    SqlType type = args[0]->type;
    unifyForComparison(args[0], args[1]);
    call.become("nullif", type);
}

// ROUND(x, digits[, function]) keeps x's type, decimals their scale: ROUND(748.58, -1) is 750.00, and
// ROUND(748.58, -3) overflows DECIMAL(5, 2). A function other than 0 truncates instead.
void roundRule(Call& call)
{
    auto& args = call.args();
    convertImplicitly(args[0], args[0]->type.isText() ? SqlType::floating() : args[0]->type);
    for (std::size_t i = 1; i < args.size(); ++i)
        convertImplicitly(args[i], SqlType::integer());
    if (args.size() == 2)
        args.push_back(integerLiteral(0, call.pos()));
    SqlType type = args[0]->type.category == SqlType::Category::Bit ? SqlType::integer() : args[0]->type;
    bool floating = type.category == SqlType::Category::Float;
    int precision = type.category == SqlType::Category::Decimal ? type.precision : 19;
    args.push_back(integerLiteral(floating ? -1 : storedScale(type), call.pos()));
    args.push_back(integerLiteral(precision, call.pos()));
    call.become("tsql_round", type);
}

// SUM of decimals adds exactly; its type is DECIMAL(38, s) (money stays money).
void sumRule(Call& call)
{
    auto& args = call.args();
    const SqlType& type = args[0]->type;
    if (type.isText() || type.isDate())
        fail("operand data type " + type.declared() + " is invalid for the SUM operator", call.pos());
    if (type.category == SqlType::Category::Decimal) {
        if (call.expr->distinct)
            fail("SUM(DISTINCT ...) of a decimal is not supported", call.pos());
        SqlType result = type.isMoney() ? SqlType::money() : SqlType::decimal(38, type.scale);
        args.push_back(integerLiteral(type.scale, call.pos()));
        call.become("tsql_sum_decimal", result);
        return;
    }
    bool distinct = call.expr->distinct;
    SqlType result = type.category == SqlType::Category::Float ? type
                     : type.base == "BIGINT"                   ? SqlType::integer("BIGINT")
                                                               : SqlType::integer();
    call.become("sum", result);
    call.expr->distinct = distinct;
}

// AVG of decimals is DECIMAL(38, max(s, 6)), the exact sum divided by the count; of integers an integer.
void averageRule(Call& call)
{
    auto& args = call.args();
    const SqlType type = args[0]->type;
    if (!type.isNumber())
        fail("operand data type " + type.declared() + " is invalid for the AVG operator", call.pos());
    bool distinct = call.expr->distinct;
    if (type.category == SqlType::Category::Decimal) {
        if (distinct)
            fail("AVG(DISTINCT ...) of a decimal is not supported", call.pos());
        SqlType result = type.isMoney() ? SqlType::money() : SqlType::decimal(38, std::max(6, type.scale));
        args.push_back(integerLiteral(type.scale, call.pos()));
        args.push_back(integerLiteral(result.scale, call.pos()));
        call.become("tsql_avg_decimal", result);
        return;
    }
    call.become("avg", type);
    call.expr->distinct = distinct;
    if (type.category == SqlType::Category::Integer || type.category == SqlType::Category::Bit) {
        ExprPtr truncated = Expr::make(ExprKind::NativeCast, call.pos(), "INTEGER");
        truncated->args.push_back(std::move(call.expr));
        truncated->type = SqlType::integer();
        truncated->checked = true;
        call.expr = std::move(truncated);
    }
}

// MIN, MAX, COUNT keep SQLite's own; the value's type stays (COUNT is an INT).
Rule plainAggregate(const char* sqliteName, std::optional<SqlType> fixedType)
{
    return [sqliteName, fixedType](Call& call) {
        bool distinct = call.expr->distinct;
        SqlType type = fixedType ? *fixedType : call.args()[0]->type;
        call.become(sqliteName, type);
        call.expr->distinct = distinct;
    };
}

// A text function: its text arguments come first; numbers given to it are converted to text.
Rule textRule(const char* sqliteName, size_t textArguments, bool keepsSize)
{
    return [=](Call& call) {
        auto& args = call.args();
        for (size_t i = 0; i < args.size(); ++i)
            convertImplicitly(args[i], i < textArguments ? SqlType::text("NVARCHAR", 0) : SqlType::integer());
        SqlType type = SqlType::text("NVARCHAR", keepsSize ? args[0]->type.size : 0);
        call.become(sqliteName, type);
    };
}

// LEN ignores trailing blanks, as SQL Server does.
void lengthRule(Call& call)
{
    auto& args = call.args();
    convertImplicitly(args[0], SqlType::text("NVARCHAR", 0));
    Position pos = call.pos();
    std::vector<ExprPtr> trimmed;
    trimmed.push_back(std::move(args[0]));
    args[0] = nativeCall("rtrim", std::move(trimmed), SqlType::text("NVARCHAR", 0), pos);
    call.become("length", SqlType::integer());
}

void leftRule(Call& call)
{
    auto& args = call.args();
    convertImplicitly(args[0], SqlType::text("NVARCHAR", 0));
    convertImplicitly(args[1], SqlType::integer());
    args.insert(args.begin() + 1, integerLiteral(1, call.pos()));
    call.become("substr", SqlType::text("NVARCHAR", args[0]->type.size));
}

void rightRule(Call& call)
{
    auto& args = call.args();
    convertImplicitly(args[0], SqlType::text("NVARCHAR", 0));
    convertImplicitly(args[1], SqlType::integer());
    ExprPtr negated = Expr::make(ExprKind::Unary, args[1]->pos, "-");
    negated->type = SqlType::integer();
    negated->checked = true;
    negated->args.push_back(std::move(args[1]));
    args[1] = std::move(negated);
    call.become("substr", SqlType::text("NVARCHAR", args[0]->type.size));
}

// CHARINDEX(sought, text[, start]) finds the text without regard to case, as the collation compares.
void charIndexRule(Call& call)
{
    auto& args = call.args();
    if (args.size() == 2)
        args.push_back(integerLiteral(1, call.pos()));
    for (std::size_t i = 0; i < args.size(); ++i)
        convertImplicitly(args[i], i < 2 ? SqlType::text("NVARCHAR", 0) : SqlType::integer());
    call.become("tsql_charindex", SqlType::integer());
}

// SUBSTRING(text, start, length): SQLite's substr when the start is a constant from 1 on; otherwise the
// runtime's, since a start below 1 keeps fewer characters in T-SQL where substr would count from the end.
void substringRule(Call& call)
{
    auto& args = call.args();
    convertImplicitly(args[0], SqlType::text("NVARCHAR", 0));
    convertImplicitly(args[1], SqlType::integer());
    convertImplicitly(args[2], SqlType::integer());
    auto constant = [](const Expr& arg) {
        return arg.kind == ExprKind::Literal && arg.literal == LiteralKind::Integer && arg.name.size() < 10;
    };
    bool plain = constant(*args[1]) && constant(*args[2]) && std::stoll(args[1]->name) >= 1;
    call.become(plain ? "substr" : "tsql_substring", SqlType::text("NVARCHAR", args[0]->type.size));
}

void absRule(Call& call)
{
    if (!call.args()[0]->type.isNumber() && !call.args()[0]->type.isNull())
        fail("ABS needs a number", call.pos());
    call.become("abs", call.args()[0]->type);
}

void getDateRule(Call& call)
{
    call.args().push_back(stringLiteral("now", call.pos()));
    call.args().push_back(stringLiteral("localtime", call.pos()));
    call.become("datetime", SqlType::dateTime());
}

const std::map<std::string, FunctionRule>& functionRules()
{
    static const std::map<std::string, FunctionRule> rules{
        {"ISNULL", {2, 2, false, isNullRule}},
        {"COALESCE", {2, 64, false, coalesceRule}},
        {"NULLIF", {2, 2, false, nullIfRule}},
        {"DATEPART", {2, 2, true, datePartRule(std::nullopt)}},
        {"YEAR", {1, 1, false, datePartRule(DatePart::Year)}},
        {"MONTH", {1, 1, false, datePartRule(DatePart::Month)}},
        {"DAY", {1, 1, false, datePartRule(DatePart::Day)}},
        {"DATEDIFF", {3, 3, true, dateDiffRule}},
        {"DATEADD", {3, 3, true, dateAddRule}},
        {"GETDATE", {0, 0, false, getDateRule}},
        {"ROUND", {2, 3, false, roundRule}},
        {"ABS", {1, 1, false, absRule}},
        {"SUM", {1, 1, false, sumRule}},
        {"AVG", {1, 1, false, averageRule}},
        {"MIN", {1, 1, false, plainAggregate("min", std::nullopt)}},
        {"MAX", {1, 1, false, plainAggregate("max", std::nullopt)}},
        {"COUNT", {1, 1, false, plainAggregate("count", SqlType::integer())}},
        {"LEN", {1, 1, false, lengthRule}},
        {"UPPER", {1, 1, false, textRule("tsql_upper", 1, true)}},
        {"LOWER", {1, 1, false, textRule("tsql_lower", 1, true)}},
        {"LTRIM", {1, 1, false, textRule("ltrim", 1, true)}},
        {"RTRIM", {1, 1, false, textRule("rtrim", 1, true)}},
        {"SUBSTRING", {3, 3, false, substringRule}},
        {"REPLACE", {3, 3, false, textRule("tsql_replace", 3, false)}},
        {"LEFT", {2, 2, false, leftRule}},
        {"RIGHT", {2, 2, false, rightRule}},
        {"CHARINDEX", {2, 3, false, charIndexRule}},
    };
    return rules;
}

}  // namespace

void Checker::checkCall(ExprPtr& expr, const Scope& scope)
{
    auto it = functionRules().find(expr->name);
    if (it == functionRules().end())
        fail("'" + expr->name + "' is not a supported function", expr->pos);
    const FunctionRule& rule = it->second;
    size_t count = expr->args.size();
    if (count < rule.minArguments || count > rule.maxArguments)
        fail("wrong number of arguments for " + expr->name, expr->pos);
    bool countStar = expr->name == "COUNT" && expr->args[0]->kind == ExprKind::Star;
    if (expr->distinct && expr->name != "COUNT" && expr->name != "SUM" && expr->name != "AVG")
        fail("DISTINCT is not allowed in " + expr->name, expr->pos);
    for (size_t i = 0; i < count; ++i) {
        bool isDatePart = rule.takesDatePart && i == 0;
        if (isDatePart != (expr->args[i]->kind == ExprKind::DatePart))
            fail("wrong arguments for " + expr->name, expr->args[i]->pos);
        if (!isDatePart && !countStar)
            checkExpr(expr->args[i], scope);
    }
    if (countStar) {
        expr->args[0]->checked = true;
        expr = nativeCall("count", std::move(expr->args), SqlType::integer(), expr->pos);
        return;
    }
    Call call{expr};
    rule.rule(call);
}

}  // namespace tsql
