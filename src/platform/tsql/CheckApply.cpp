// CROSS APPLY / OUTER APPLY of an inline table function. SQLite has no lateral join, so the function's
// body is inlined: its tables join the outer query under aliases of their own, its WHERE becomes the join
// condition with the parameters replaced by the arguments, and its select items stand in for every
// reference to the function's columns.
#include "tsql/Checker.h"

#include "tsql/Coercion.h"
#include "tsql/Dialect.h"
#include "tsql/Parser.h"

#include <set>

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

// Whether a checked condition names no body table other than `first` (outer columns come in through the
// parameters and are fine).
bool refersOnlyTo(const Expr& expr, const std::set<std::string>& bodyAliases, const std::string& first)
{
    if (expr.kind == ExprKind::Column && bodyAliases.count(expr.qualifier) && expr.qualifier != first)
        return false;
    for (const ExprPtr& arg : expr.args)
        if (!refersOnlyTo(*arg, bodyAliases, first))
            return false;
    return true;
}

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
    if (body.from.empty() && body.where)
        fail("table function '" + ref.name + "' cannot be inlined: its body has WHERE without FROM", ref.pos);
    joinBody(body, ref, cross, from, conditions);

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


// The body's tables join the outer query. The body's WHERE becomes the first table's join condition when it
// names only that table: then an OUTER APPLY is the first table left-joined on it, followed by the body's own
// left joins, which find nothing when the first table found nothing. A CROSS APPLY whose WHERE spans
// several tables keeps it in the outer WHERE instead, which an inner join allows.
void Checker::joinBody(Select& body, const TableRef& ref, bool cross, std::vector<TableRef>& from,
                       std::vector<ExprPtr>& conditions)
{
    if (body.from.empty())
        return;
    std::set<std::string> aliases;
    for (const TableRef& inner : body.from)
        aliases.insert(inner.sqliteAlias);
    bool whereOnFirst = !body.where || refersOnlyTo(*body.where, aliases, body.from.front().sqliteAlias);
    if (!cross) {
        for (size_t i = 1; i < body.from.size(); ++i)
            if (body.from[i].join != JoinKind::Left)
                fail("OUTER APPLY of '" + ref.name + "' cannot be inlined: its body joins tables other than by LEFT JOIN",
                     ref.pos);
        if (!whereOnFirst)
            fail("OUTER APPLY of '" + ref.name + "' cannot be inlined: its WHERE names a joined table", ref.pos);
    }
    TableRef& first = body.from.front();
    first.join = cross ? JoinKind::Inner : JoinKind::Left;
    if (whereOnFirst) {
        first.on = body.where ? std::move(body.where) : alwaysTrue(ref.pos);
    } else {
        first.on = alwaysTrue(ref.pos);
        conditions.push_back(std::move(body.where));
    }
    for (TableRef& inner : body.from)
        from.push_back(std::move(inner));
}

}  // namespace tsql
