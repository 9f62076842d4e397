#include "tsql/SqlitePrinter.h"

#include "tsql/Collation.h"
#include "tsql/Dialect.h"

#include <vector>

namespace tsql {

namespace {

bool isComparison(const std::string& op)
{
    return op == "=" || op == "<>" || op == "<" || op == "<=" || op == ">" || op == ">=";
}

int significantDigits(const std::string& number)
{
    int digits = 0;
    for (char c : number)
        if (c >= '0' && c <= '9' && (digits > 0 || c != '0'))
            ++digits;
    return digits;
}

// SQLite functions that compare their argument's values, and so need the collation on it.
bool comparesValues(const Expr& call)
{
    return call.name == "min" || call.name == "max" || call.name == "nullif" || (call.name == "count" && call.distinct);
}

class Printer {
public:
    std::string take() { return std::move(out_); }

    void select(const Select& s)
    {
        out_ += "SELECT ";
        if (s.distinct)
            out_ += "DISTINCT ";
        for (size_t i = 0; i < s.items.size(); ++i) {
            if (i)
                out_ += ", ";
            resultColumn(*s.items[i].expr);
            if (!s.items[i].outputName.empty())
                out_ += " AS " + quoteIdentifier(s.items[i].outputName);
        }
        if (!s.from.empty()) {
            out_ += " FROM ";
            for (const TableRef& ref : s.from)
                tableRef(ref);
        }
        clause(" WHERE ", s.where.get());
        list(" GROUP BY ", s.groupBy);
        clause(" HAVING ", s.having.get());
        if (!s.orderBy.empty()) {
            out_ += " ORDER BY ";
            for (size_t i = 0; i < s.orderBy.size(); ++i) {
                if (i)
                    out_ += ", ";
                collated(*s.orderBy[i].expr);
                if (s.orderBy[i].descending)
                    out_ += " DESC";
            }
        }
        clause(" LIMIT ", s.top.get());
    }

    void expr(const Expr& e)
    {
        switch (e.kind) {
        case ExprKind::Literal:
            literal(e);
            return;
        case ExprKind::Column:
            out_ += quoteIdentifier(e.qualifier) + "." + quoteIdentifier(e.name);
            return;
        case ExprKind::OutputName:
            out_ += quoteIdentifier(e.name);
            return;
        case ExprKind::Unary:
            out_ += e.name == "NOT" ? "(NOT " : "(" + e.name;
            expr(*e.args[0]);
            out_ += ")";
            return;
        case ExprKind::Binary:
            if (isComparison(e.name)) {
                out_ += "(";
                if (e.args[0]->type.isText() || e.args[1]->type.isText())
                    collated(*e.args[0]);
                else
                    expr(*e.args[0]);
                out_ += " " + e.name + " ";
                expr(*e.args[1]);
                out_ += ")";
            } else {
                chain(e);
            }
            return;
        case ExprKind::Case:
            caseExpr(e);
            return;
        case ExprKind::Between:
            out_ += "(";
            collated(*e.args[0]);
            out_ += e.negated ? " NOT BETWEEN " : " BETWEEN ";
            expr(*e.args[1]);
            out_ += " AND ";
            expr(*e.args[2]);
            out_ += ")";
            return;
        case ExprKind::InList:
        case ExprKind::InSubquery:
            inExpr(e);
            return;
        case ExprKind::IsNull:
            out_ += "(";
            expr(*e.args[0]);
            out_ += e.negated ? " IS NOT NULL)" : " IS NULL)";
            return;
        case ExprKind::Exists:
            out_ += e.negated ? "NOT EXISTS (" : "EXISTS (";
            select(*e.query);
            out_ += ")";
            return;
        case ExprKind::Subquery:
            out_ += "(";
            select(*e.query);
            out_ += ")";
            return;
        case ExprKind::NativeCall:
            call(e);
            return;
        case ExprKind::NativeCast:
            out_ += "CAST(";
            expr(*e.args[0]);
            out_ += " AS " + e.name + ")";
            return;
        case ExprKind::Identity:
            identity(e);
            return;
        case ExprKind::Star:
            out_ += "*";
            return;
        case ExprKind::Like:
        case ExprKind::Variable:
        case ExprKind::Call:
        case ExprKind::Cast:
        case ExprKind::DatePart:
            break;
        }
        throw Error("'" + e.name + "' was not checked before printing", e.pos.line, e.pos.column);
    }

private:
    std::string out_;

    // A text value compares, groups and sorts by the collation wherever it comes from (a column, a
    // function, a subquery), so texts name it; other values print as they are.
    // A left-deep run of one operator ("a OR b OR c", "1 + 2 + 3") in one pair of parentheses: SQLite's own
    // parser reads it from left to right, as it was parsed, and would run out of stack on one pair per operand.
    void chain(const Expr& e)
    {
        std::vector<const Expr*> operators{&e};
        const Expr* first = e.args[0].get();
        while (first->kind == ExprKind::Binary && first->name == e.name) {
            operators.push_back(first);
            first = first->args[0].get();
        }
        out_ += "(";
        expr(*first);
        for (auto it = operators.rbegin(); it != operators.rend(); ++it) {
            out_ += " " + e.name + " ";
            expr(*(*it)->args[1]);
        }
        out_ += ")";
    }

    void collated(const Expr& e)
    {
        expr(e);
        if (e.type.isText())
            out_ += std::string(" COLLATE ") + collationName;
    }

    // A computed text carries the collation out to the queries around it (a view, a derived table, DISTINCT).
    // A column carries its own: naming it again would hide the column from SQLite when it flattens a view
    // into a join, and the join would lose the column's index.
    void resultColumn(const Expr& e)
    {
        if (e.kind == ExprKind::Column)
            expr(e);
        else
            collated(e);
    }

    void clause(const char* keyword, const Expr* e)
    {
        if (!e)
            return;
        out_ += keyword;
        expr(*e);
    }

    void list(const char* keyword, const std::vector<ExprPtr>& items)
    {
        if (items.empty())
            return;
        out_ += keyword;
        for (size_t i = 0; i < items.size(); ++i) {
            if (i)
                out_ += ", ";
            collated(*items[i]);
        }
    }

    void tableRef(const TableRef& ref)
    {
        static constexpr const char* joins[] = {"", " JOIN ", " LEFT JOIN ", " RIGHT JOIN ", " FULL JOIN ",
                                                " CROSS JOIN ", " JOIN ", " LEFT JOIN "};
        out_ += joins[static_cast<int>(ref.join)];
        if (ref.derived) {
            out_ += "(";
            select(*ref.derived);
            out_ += ")";
        } else {
            out_ += quoteIdentifier(ref.name);
        }
        out_ += " AS " + quoteIdentifier(ref.sqliteAlias);
        clause(" ON ", ref.on.get());
    }

    // A decimal of more digits than a double keeps goes as its exact text, which the runtime reads.
    void literal(const Expr& e)
    {
        bool exactText = e.type.category == SqlType::Category::Decimal
                         && (e.literal == LiteralKind::Integer || e.literal == LiteralKind::Decimal)
                         && significantDigits(e.name) > 15;
        switch (exactText ? LiteralKind::String : e.literal) {
        case LiteralKind::String:
            out_ += quoteString(e.name);
            return;
        case LiteralKind::Null:
            out_ += "NULL";
            return;
        default:
            out_ += e.name;
            return;
        }
    }

    void caseExpr(const Expr& e)
    {
        out_ += "CASE";
        size_t first = 0;
        if (e.hasOperand) {
            out_ += " ";
            collated(*e.args[0]);
            first = 1;
        }
        size_t whenEnd = e.args.size() - (e.hasElse ? 1 : 0);
        for (size_t i = first; i < whenEnd; i += 2) {
            out_ += " WHEN ";
            expr(*e.args[i]);
            out_ += " THEN ";
            expr(*e.args[i + 1]);
        }
        if (e.hasElse) {
            out_ += " ELSE ";
            expr(*e.args.back());
        }
        out_ += " END";
    }

    void inExpr(const Expr& e)
    {
        out_ += "(";
        collated(*e.args[0]);
        out_ += e.negated ? " NOT IN (" : " IN (";
        if (e.query) {
            select(*e.query);
        } else {
            for (size_t i = 1; i < e.args.size(); ++i) {
                if (i > 1)
                    out_ += ", ";
                expr(*e.args[i]);
            }
        }
        out_ += "))";
    }

    void call(const Expr& e)
    {
        out_ += e.name + "(";
        if (e.distinct)
            out_ += "DISTINCT ";
        for (size_t i = 0; i < e.args.size(); ++i) {
            if (i)
                out_ += ", ";
            if (i == 0 && comparesValues(e))
                collated(*e.args[i]);
            else
                expr(*e.args[i]);
        }
        out_ += ")";
    }

    // IDENTITY(type, seed, increment) numbers the rows in the order the query produces them.
    void identity(const Expr& e)
    {
        std::string seed = e.args.size() > 0 ? printExpr(*e.args[0]) : "1";
        std::string increment = e.args.size() > 1 ? printExpr(*e.args[1]) : "1";
        if (seed == "1" && increment == "1")
            out_ += "row_number() OVER ()";
        else
            out_ += "((row_number() OVER () - 1) * " + increment + " + " + seed + ")";
    }
};

}  // namespace

std::string quoteIdentifier(const std::string& name)
{
    std::string quoted;
    quoted.reserve(name.size() + 2);
    quoted += '"';
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

std::string quoteString(const std::string& value)
{
    std::string quoted = "'";
    for (char c : value) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

std::string printSelect(const Select& select)
{
    Printer printer;
    printer.select(select);
    return printer.take();
}

std::string printExpr(const Expr& expr)
{
    Printer printer;
    printer.expr(expr);
    return printer.take();
}

}  // namespace tsql
