#include "tsql/Ast.h"

#include "tsql/Dialect.h"

namespace tsql {

ExprPtr Expr::make(ExprKind kind, Position pos, std::string name)
{
    auto expr = std::make_unique<Expr>();
    expr->kind = kind;
    expr->pos = pos;
    expr->name = std::move(name);
    return expr;
}

ExprPtr cloneExpr(const Expr& expr)
{
    if (expr.query)
        throw Error("a subquery cannot be repeated where a table function is inlined", expr.pos.line, expr.pos.column);
    auto copy = std::make_unique<Expr>();
    copy->kind = expr.kind;
    copy->pos = expr.pos;
    copy->name = expr.name;
    copy->qualifier = expr.qualifier;
    copy->literal = expr.literal;
    copy->unicode = expr.unicode;
    copy->negated = expr.negated;
    copy->distinct = expr.distinct;
    copy->hasOperand = expr.hasOperand;
    copy->hasElse = expr.hasElse;
    copy->target = expr.target;
    copy->type = expr.type;
    copy->checked = expr.checked;
    for (const ExprPtr& arg : expr.args)
        copy->args.push_back(cloneExpr(*arg));
    return copy;
}

}  // namespace tsql
