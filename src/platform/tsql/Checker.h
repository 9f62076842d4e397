// Name resolution and type checking. The checker rewrites a parsed query in place into what the SQLite
// printer writes: every column qualified by its source's SQLite alias, T-SQL conversions and functions made
// explicit, and the inline table functions of CROSS / OUTER APPLY turned into joins.
#pragma once

#include "tsql/Ast.h"
#include "tsql/Catalog.h"
#include "tsql/Scope.h"

#include <map>
#include <string>
#include <vector>

namespace tsql {

struct OutputColumn {
    std::string name;  // empty for an unnamed expression
    SqlType type;
};

class Checker {
public:
    explicit Checker(Catalog& catalog);

    // Checks a query seen from `outer` (the enclosing query of a subquery, or none) and returns its
    // result columns. Throws tsql::Error for unknown or ambiguous names and for type errors.
    std::vector<OutputColumn> checkQuery(Select& select, const Scope* outer);

    // Checks the body of an inline table function with its parameters bound to `arguments`
    // (upper-case @NAME -> checked value), and refuses a body that cannot be inlined.
    std::vector<OutputColumn> checkFunctionBody(Select& body, const std::map<std::string, const Expr*>& arguments);

    // Checks one expression in a scope; the expression may be replaced by its rewritten form.
    void checkExpr(ExprPtr& expr, const Scope& scope);

private:
    Catalog& catalog_;
    int inlinedFunctions_ = 0;  // numbers the aliases of functions applied without one

    // Query parts (Checker.cpp).
    std::vector<ExprPtr> checkFrom(Select& select, Scope& scope);
    void addTable(TableRef& ref, Scope& scope, const std::string& sqliteAlias);
    void addDerived(TableRef& ref, Scope& scope);
    void addSource(Scope& scope, Source source);
    std::vector<OutputColumn> checkItems(Select& select, const Scope& scope);
    void expandStar(const SelectItem& star, const Scope& scope, std::vector<SelectItem>& items);
    void checkOrderBy(Select& select, const Scope& scope, const std::vector<OutputColumn>& outputs);
    void checkTop(Select& select, const Scope& scope);

    // CROSS / OUTER APPLY (CheckApply.cpp).
    void inlineApply(TableRef& ref, Scope& scope, std::vector<TableRef>& from, std::vector<ExprPtr>& conditions);
    void joinBody(Select& body, const TableRef& ref, bool cross, std::vector<TableRef>& from,
                  std::vector<ExprPtr>& conditions);

    // Expressions (CheckExpressions.cpp).
    void resolveColumn(ExprPtr& expr, const Scope& scope);
    void resolveVariable(ExprPtr& expr, const Scope& scope);
    void checkLiteral(Expr& expr);
    void checkUnary(ExprPtr& expr, const Scope& scope);
    void checkBinary(ExprPtr& expr, const Scope& scope);
    void checkArithmetic(ExprPtr& expr);
    void checkCase(Expr& expr, const Scope& scope);
    void checkPredicate(Expr& expr, const Scope& scope);
    void checkLike(ExprPtr& expr, const Scope& scope);
    void checkSubquery(Expr& expr, const Scope& scope);
    void checkCast(ExprPtr& expr, const Scope& scope);

    // Function calls (CheckFunctions.cpp).
    void checkCall(ExprPtr& expr, const Scope& scope);
};

}  // namespace tsql
