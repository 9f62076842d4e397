#include "tsql/Checker.h"

#include "tsql/Dialect.h"

#include <algorithm>

namespace tsql {

namespace {

[[noreturn]] void fail(const std::string& message, Position pos) { throw Error(message, pos.line, pos.column); }

ExprPtr conjunction(ExprPtr left, ExprPtr right)
{
    if (!left)
        return right;
    Position pos = left->pos;
    ExprPtr node = Expr::make(ExprKind::Binary, pos, "AND");
    node->args.push_back(std::move(left));
    node->args.push_back(std::move(right));
    node->type = SqlType::boolean();
    node->checked = true;
    return node;
}

}  // namespace

Checker::Checker(Catalog& catalog) : catalog_(catalog) {}

std::vector<OutputColumn> Checker::checkQuery(Select& select, const Scope* outer)
{
    Scope scope;
    scope.outer = outer;
    std::vector<ExprPtr> applyConditions = checkFrom(select, scope);
    if (select.where)
        checkExpr(select.where, scope);
    for (ExprPtr& condition : applyConditions)
        select.where = conjunction(std::move(select.where), std::move(condition));
    for (ExprPtr& expr : select.groupBy)
        checkExpr(expr, scope);
    if (select.having)
        checkExpr(select.having, scope);
    std::vector<OutputColumn> outputs = checkItems(select, scope);
    checkOrderBy(select, scope, outputs);
    checkTop(select, scope);
    return outputs;
}

// Binds the FROM sources in order, so that a join condition or an APPLY argument sees the sources before
// it. Returns conditions that belong in the WHERE clause (from inlined CROSS APPLY bodies).
std::vector<ExprPtr> Checker::checkFrom(Select& select, Scope& scope)
{
    std::vector<TableRef> bound;
    std::vector<ExprPtr> conditions;
    for (TableRef& ref : select.from) {
        if (ref.isFunction) {
            inlineApply(ref, scope, bound, conditions);
            continue;
        }
        if (ref.derived)
            addDerived(ref, scope);
        else
            addTable(ref, scope, ref.alias.empty() ? ref.name : ref.alias);
        if (ref.on)
            checkExpr(ref.on, scope);
        bound.push_back(std::move(ref));
    }
    select.from = std::move(bound);
    return conditions;
}

void Checker::addTable(TableRef& ref, Scope& scope, const std::string& sqliteAlias)
{
    const TableInfo* table = catalog_.findTable(ref.name);
    if (!table)
        fail("invalid object name '" + ref.name + "'", ref.pos);
    Source source;
    source.exposedName = ref.alias.empty() ? ref.name : ref.alias;
    source.sqliteAlias = sqliteAlias;
    source.pos = ref.pos;
    for (const CatalogColumn& column : table->columns)
        source.addColumn({column.name, column.type, nullptr});
    ref.sqliteAlias = sqliteAlias;
    addSource(scope, std::move(source));
}

void Checker::addDerived(TableRef& ref, Scope& scope)
{
    std::vector<OutputColumn> outputs = checkQuery(*ref.derived, nullptr);
    Source source;
    source.exposedName = source.sqliteAlias = ref.sqliteAlias = ref.alias;
    source.pos = ref.pos;
    for (size_t i = 0; i < outputs.size(); ++i) {
        if (outputs[i].name.empty())
            fail("no column name was given for column " + std::to_string(i + 1) + " of '" + ref.alias + "'", ref.pos);
        source.addColumn({outputs[i].name, outputs[i].type, nullptr});
    }
    addSource(scope, std::move(source));
}

void Checker::addSource(Scope& scope, Source source)
{
    source.exposedKey = upperName(source.exposedName);
    if (scope.findSource(source.exposedKey))
        fail("the objects in the FROM clause have the same exposed name '" + source.exposedName
                 + "'; use aliases to tell them apart",
             source.pos);
    scope.addSource(std::move(source));
}

std::vector<OutputColumn> Checker::checkItems(Select& select, const Scope& scope)
{
    std::vector<SelectItem> items;
    for (SelectItem& item : select.items) {
        if (!item.expr) {
            expandStar(item, scope, items);
            continue;
        }
        if (item.alias.empty() && item.expr->kind == ExprKind::Column)
            item.outputName = item.expr->name;
        else
            item.outputName = item.alias;
        if (item.expr->kind == ExprKind::Identity && select.into.empty())
            fail("the IDENTITY function is only allowed in a SELECT ... INTO", item.pos);
        checkExpr(item.expr, scope);
        items.push_back(std::move(item));
    }
    select.items = std::move(items);
    std::vector<OutputColumn> outputs;
    for (const SelectItem& item : select.items)
        outputs.push_back({item.outputName, item.expr->type});
    return outputs;
}

// * lists the columns of every source in order; T.* those of one source.
void Checker::expandStar(const SelectItem& star, const Scope& scope, std::vector<SelectItem>& items)
{
    if (scope.sources.empty())
        fail("SELECT * needs a FROM clause", star.pos);
    const Source* only = nullptr;
    if (!star.starQualifier.empty()) {
        only = scope.findSource(upperName(star.starQualifier));
        if (!only)
            fail("the object name '" + star.starQualifier + "' is not valid here", star.pos);
    }
    for (const Source& source : scope.sources) {
        if (only && &source != only)
            continue;
        for (const SourceColumn& column : source.columns) {
            SelectItem item;
            item.pos = star.pos;
            item.outputName = column.name;
            if (column.substitute) {
                item.expr = cloneExpr(*column.substitute);
            } else {
                item.expr = Expr::make(ExprKind::Column, star.pos, column.name);
                item.expr->qualifier = source.sqliteAlias;
                item.expr->type = column.type;
                item.expr->checked = true;
            }
            items.push_back(std::move(item));
        }
    }
}

// ORDER BY names a select-list alias, a position, or an expression over the sources.
void Checker::checkOrderBy(Select& select, const Scope& scope, const std::vector<OutputColumn>& outputs)
{
    for (OrderItem& item : select.orderBy) {
        const Expr& expr = *item.expr;
        if (expr.kind == ExprKind::Column && expr.qualifier.empty()) {
            std::string key = upperName(expr.name);
            auto output = std::find_if(outputs.begin(), outputs.end(), [&](const OutputColumn& column) {
                return !column.name.empty() && upperName(column.name) == key;
            });
            if (output != outputs.end()) {
                item.expr = Expr::make(ExprKind::OutputName, expr.pos, output->name);
                item.expr->type = output->type;
                item.expr->checked = true;
                continue;
            }
        }
        if (expr.kind == ExprKind::Literal && expr.literal == LiteralKind::Integer) {
            long long position = std::atoll(expr.name.c_str());
            if (position < 1 || position > static_cast<long long>(outputs.size()))
                fail("the ORDER BY position number " + expr.name + " is out of range", expr.pos);
        }
        checkExpr(item.expr, scope);
    }
}

void Checker::checkTop(Select& select, const Scope& scope)
{
    if (!select.top)
        return;
    checkExpr(select.top, scope);
    if (select.top->type.category != SqlType::Category::Integer)
        fail("TOP needs an integer count", select.top->pos);
}

}  // namespace tsql
