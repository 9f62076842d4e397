// CROSS APPLY / OUTER APPLY of an inline table function. SQLite has no lateral join, so the function's
// body is inlined: its tables join the outer query under aliases of their own, its WHERE becomes the join
// condition with the parameters replaced by the arguments, and its select items stand in for every
// reference to the function's columns.
#include "tsql/Checker.h"

#include "tsql/Coercion.h"
#include "tsql/Dialect.h"
#include "tsql/Parser.h"

namespace tsql {

namespace {

[[noreturn]] void fail(const std::string& message, Position pos) { throw Error(message, pos.line, pos.column); }

CreateFunction parseDefinition(const std::string& name, const std::string& definition, Position pos)
{
    std::vector<Statement> statements = parseStatements(definition);
    if (statements.size() != 1 || !std::holds_alternative<CreateFunction>(statements.front()))
        fail("the definition of '" + name + "' is not an inline table function", pos);
    return std::move(std::get<CreateFunction>(statements.front()));
}

// What a body must not hold to be inlined as a join.
void requireInlinable(const Select& body, const std::string& name, Position pos)
{
    auto refuse = [&](const char* construct) {
        fail(std::string("table function '") + name + "' cannot be inlined: its body uses " + construct, pos);
    };
    if (body.top)
        refuse("TOP");
    if (body.distinct)
        refuse("DISTINCT");
    if (!body.groupBy.empty() || body.having)
        refuse("GROUP BY");
    if (!body.orderBy.empty())
        refuse("ORDER BY");
    if (!body.into.empty())
        refuse("INTO");
    for (const TableRef& ref : body.from)
        if (ref.isFunction || ref.derived)
            refuse(ref.isFunction ? "APPLY" : "a derived table");
}

ExprPtr alwaysTrue(Position pos) { return integerLiteral(1, pos); }

}  // namespace

std::vector<OutputColumn> Checker::checkFunctionBody(Select& body, const std::map<std::string, const Expr*>& arguments)
{
    requireInlinable(body, "", body.pos);
    Scope scope;
    scope.parameters = &arguments;
    checkFrom(body, scope);
    if (body.where)
        checkExpr(body.where, scope);
    return checkItems(body, scope);
}

void Checker::inlineApply(TableRef& ref, Scope& scope, std::vector<TableRef>& from, std::vector<ExprPtr>& conditions)
{
    auto definition = catalog_.functionDefinition(ref.name);
    if (!definition)
        fail("invalid object name '" + ref.name + "': no such table function", ref.pos);
    CreateFunction function = parseDefinition(ref.name, *definition, ref.pos);
    requireInlinable(function.body, ref.name, ref.pos);
    if (ref.args.size() != function.parameters.size())
        fail("table function '" + ref.name + "' takes " + std::to_string(function.parameters.size()) + " arguments, "
                 + std::to_string(ref.args.size()) + " given",
             ref.pos);

    std::map<std::string, const Expr*> arguments;
    for (size_t i = 0; i < ref.args.size(); ++i) {
        checkExpr(ref.args[i], scope);
        convertImplicitly(ref.args[i], SqlType::fromTypeName(function.parameters[i].type, 1));
        arguments[function.parameters[i].name] = ref.args[i].get();
    }

    std::string exposed = ref.alias.empty() ? ref.name : ref.alias;
    std::string prefix = exposed + "$" + (ref.alias.empty() ? std::to_string(++inlinedFunctions_) + "$" : "");
    Select& body = function.body;
    Scope bodyScope;
    bodyScope.parameters = &arguments;
    for (TableRef& inner : body.from) {
        std::string innerExposed = inner.alias.empty() ? inner.name : inner.alias;
        addTable(inner, bodyScope, prefix + innerExposed);
        if (inner.on)
            checkExpr(inner.on, bodyScope);
    }
    if (body.where)
        checkExpr(body.where, bodyScope);
    std::vector<OutputColumn> outputs = checkItems(body, bodyScope);

    bool cross = ref.join == JoinKind::CrossApply;
    if (body.from.size() > 1 && !cross)
        fail("OUTER APPLY of '" + ref.name + "' cannot be inlined: its body joins several tables", ref.pos);
    if (body.from.empty() && body.where)
        fail("table function '" + ref.name + "' cannot be inlined: its body has WHERE without FROM", ref.pos);
    for (size_t i = 0; i < body.from.size(); ++i) {
        TableRef& inner = body.from[i];
        if (i == 0) {
            inner.join = cross ? JoinKind::Inner : JoinKind::Left;
            inner.on = body.from.size() == 1 && body.where ? std::move(body.where) : alwaysTrue(ref.pos);
        }
        from.push_back(std::move(inner));
    }
    if (body.where)
        conditions.push_back(std::move(body.where));

    Source source;
    source.exposedName = exposed;
    source.sqliteAlias = prefix;
    source.pos = ref.pos;
    for (size_t i = 0; i < outputs.size(); ++i) {
        if (outputs[i].name.empty())
            fail("column " + std::to_string(i + 1) + " of table function '" + ref.name + "' has no name", ref.pos);
        source.substitutes.push_back(std::move(body.items[i].expr));
        source.addColumn({outputs[i].name, outputs[i].type, source.substitutes.back().get()});
    }
    addSource(scope, std::move(source));
}

}  // namespace tsql
