// The syntax tree of the T-SQL subset. The checker rewrites it in place into the form the SQLite printer
// writes out: names qualified, conversions made explicit, table functions inlined.
#pragma once

#include "tsql/SqlType.h"

#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace tsql {

struct Position {
    int line = 1;
    int column = 1;
};

// A data type as written: NVARCHAR(50), DECIMAL(18, 2), NVARCHAR(MAX) (first = -1), INT.
struct TypeName {
    std::string name;
    int argumentCount = 0;
    int first = 0;
    int second = 0;
    Position pos;
};

struct Select;
struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

enum class ExprKind {
    Literal,     // name holds the value; literal tells which kind
    Column,      // [qualifier.]name
    Variable,    // @name, a parameter of a table function
    Unary,       // name is "-", "+" or "NOT"
    Binary,      // name is the operator: + - * / % = <> < <= > >= AND OR, and || after checking
    Call,        // a T-SQL function: name in upper case, args
    Cast,        // CAST(args[0] AS target), CONVERT(target, args[0])
    Case,        // args: [operand] then WHEN/THEN pairs, then [ELSE]
    Between,     // args[0] BETWEEN args[1] AND args[2]
    InList,      // args[0] IN (args[1..])
    InSubquery,  // args[0] IN (query)
    Like,        // args[0] LIKE args[1]
    IsNull,      // args[0] IS NULL
    Exists,      // EXISTS (query)
    Subquery,    // (query) as a value
    DatePart,    // the first argument of DATEPART, DATEDIFF, DATEADD: name holds the canonical part
    Star,        // the * of COUNT(*)
    Identity,    // IDENTITY(target, seed, increment) in the select list of SELECT ... INTO
    OutputName,  // after checking: an ORDER BY reference to a select-list alias
    NativeCall,  // after checking: a SQLite function call
    NativeCast   // after checking: CAST(args[0] AS name) in SQLite's terms
};

enum class LiteralKind { Integer, Decimal, Float, String, Null };

struct Expr {
    ExprKind kind = ExprKind::Literal;
    Position pos;
    std::string name;
    std::string qualifier;
    LiteralKind literal = LiteralKind::Null;
    bool unicode = false;    // N'...'
    bool negated = false;    // NOT IN, NOT LIKE, NOT BETWEEN, IS NOT NULL, NOT EXISTS
    bool distinct = false;   // COUNT(DISTINCT ...)
    bool hasOperand = false; // CASE operand WHEN ...
    bool hasElse = false;
    std::vector<ExprPtr> args;
    std::unique_ptr<Select> query;
    TypeName target;
    SqlType type;            // set by the checker
    bool checked = false;    // set by the checker; a checked node is never checked again

    static ExprPtr make(ExprKind kind, Position pos, std::string name = {});
};

// A copy of an expression that holds no subquery; throws tsql::Error at a subquery.
ExprPtr cloneExpr(const Expr& expr);

enum class JoinKind { First, Inner, Left, Right, Full, Cross, CrossApply, OuterApply };

struct TableRef {
    JoinKind join = JoinKind::First;
    Position pos;
    std::string name;                 // table, view or function name, without schema
    std::string alias;                // as written; empty when none
    std::unique_ptr<Select> derived;  // (SELECT ...) AS alias
    bool isFunction = false;          // name(args) of an APPLY
    std::vector<ExprPtr> args;
    ExprPtr on;
    std::string sqliteAlias;          // set by the checker: the name used in the SQLite text
};

struct SelectItem {
    ExprPtr expr;                     // null for * and T.*
    std::string alias;
    std::string starQualifier;        // T of T.*
    Position pos;
    std::string outputName;           // set by the checker
};

struct OrderItem {
    ExprPtr expr;
    bool descending = false;
};

struct Select {
    Position pos;
    bool distinct = false;
    ExprPtr top;
    std::vector<SelectItem> items;
    std::string into;
    Position intoPos;
    std::vector<TableRef> from;
    ExprPtr where;
    std::vector<ExprPtr> groupBy;
    ExprPtr having;
    std::vector<OrderItem> orderBy;
};

struct SelectStatement {
    Select select;
};

struct ColumnDefinition {
    std::string name;
    TypeName type;
    bool notNull = false;
    bool primaryKey = false;
    ExprPtr defaultValue;
    Position pos;
};

struct CreateTable {
    std::string name;
    Position pos;
    std::vector<ColumnDefinition> columns;
    std::vector<std::string> primaryKey;
};

struct CreateIndex {
    std::string name;
    std::string table;
    bool unique = false;
    std::vector<std::string> columns;
    Position pos;
};

struct CreateView {
    std::string name;
    Position pos;
    Select select;
    std::string definition;  // the whole CREATE VIEW text
};

struct Parameter {
    std::string name;  // with its @
    TypeName type;
};

struct CreateFunction {
    std::string name;
    Position pos;
    std::vector<Parameter> parameters;
    Select body;
    std::string definition;  // the whole CREATE FUNCTION text
};

struct Insert {
    std::string table;
    Position pos;
    std::vector<std::string> columns;
    std::vector<std::vector<ExprPtr>> rows;  // VALUES (...), (...)
    std::unique_ptr<Select> select;          // or INSERT ... SELECT
};

struct DropObject {
    enum class Kind { Table, View, Function } kind = Kind::Table;
    std::string name;
    Position pos;
};

using Statement = std::variant<SelectStatement, CreateTable, CreateIndex, CreateView, CreateFunction, Insert, DropObject>;

}  // namespace tsql
