#include "tsql/Translator.h"

#include "tsql/Coercion.h"
#include "tsql/Collation.h"
#include "tsql/Parser.h"
#include "tsql/ParserDepth.h"
#include "tsql/SqlitePrinter.h"

#include <algorithm>
#include <set>

namespace tsql {

namespace {

[[noreturn]] void fail(const std::string& message, Position pos) { throw Error(message, pos.line, pos.column); }

bool isTemporary(const std::string& name) { return !name.empty() && name[0] == '#'; }

std::string createTablePrefix(const std::string& name)
{
    return std::string(isTemporary(name) ? "CREATE TEMP TABLE " : "CREATE TABLE ") + quoteIdentifier(name);
}

// Result columns of a statement that creates a table or view: each needs a distinct name.
void requireNames(const std::vector<OutputColumn>& outputs, Position pos)
{
    std::set<std::string> seen;
    for (size_t i = 0; i < outputs.size(); ++i) {
        if (outputs[i].name.empty())
            fail("no column name was given for column " + std::to_string(i + 1), pos);
        if (!seen.insert(upperName(outputs[i].name)).second)
            fail("column name '" + outputs[i].name + "' is specified more than once", pos);
    }
}

// A column of a table the dialect creates: its T-SQL type as declared type, and the collation on a text,
// so that its comparisons and its indexes follow the collation.
std::string columnDeclaration(const std::string& name, const SqlType& type)
{
    std::string declaration = quoteIdentifier(name) + " " + quoteIdentifier(type.declared());
    if (type.isText())
        declaration += std::string(" COLLATE ") + collationName;
    return declaration;
}

std::string columnList(const std::vector<std::string>& names)
{
    std::string text;
    for (size_t i = 0; i < names.size(); ++i)
        text += (i ? ", " : "") + quoteIdentifier(names[i]);
    return text;
}

}  // namespace

Translator::Translator(Catalog& catalog) : catalog_(catalog), checker_(catalog) {}

Translation Translator::translate(std::string_view text)
{
    result_ = {};
    catalog_.forgetDeclarations();
    try {
        for (Statement& statement : parseStatements(text))
            std::visit([this](auto& s) { add(s); }, statement);
        for (const Step& step : result_.steps)
            checkParserDepth(step.sql);
    } catch (...) {
        catalog_.forgetDeclarations();
        throw;
    }
    catalog_.forgetDeclarations();
    return std::move(result_);
}

std::vector<CatalogColumn> Translator::viewColumns(const std::string& definition)
{
    std::vector<Statement> statements = parseStatements(definition);
    if (statements.size() != 1 || !std::holds_alternative<CreateView>(statements.front()))
        throw Error("a stored view definition is not a CREATE VIEW", 1, 1);
    std::vector<CatalogColumn> columns;
    for (OutputColumn& output : checker_.checkQuery(std::get<CreateView>(statements.front()).select, nullptr))
        columns.push_back({output.name, output.type});
    return columns;
}

void Translator::step(std::string sql) { result_.steps.push_back({std::move(sql), false, {}}); }

const TableInfo& Translator::existingTable(const std::string& name, Position pos)
{
    const TableInfo* table = catalog_.findTable(name);
    if (!table)
        fail("invalid object name '" + name + "'", pos);
    return *table;
}

void Translator::add(SelectStatement& statement)
{
    Select& select = statement.select;
    std::vector<OutputColumn> outputs = checker_.checkQuery(select, nullptr);
    if (!select.into.empty()) {
        addSelectInto(select, outputs);
        return;
    }
    Step query{printSelect(select), true, {}};
    for (const OutputColumn& output : outputs)
        query.columns.push_back(output.type.toColumn(output.name));
    result_.steps.push_back(std::move(query));
}

// SELECT ... INTO #T creates #T with the inferred T-SQL types (so the reader knows a date from a code and
// a money column from a count), then fills it.
void Translator::addSelectInto(Select& select, const std::vector<OutputColumn>& outputs)
{
    requireNames(outputs, select.intoPos);
    std::string create = createTablePrefix(select.into) + " (";
    std::vector<std::string> names;
    TableInfo table{select.into, {}};
    for (size_t i = 0; i < outputs.size(); ++i) {
        create += (i ? ", " : "") + columnDeclaration(outputs[i].name, outputs[i].type);
        names.push_back(outputs[i].name);
        table.columns.push_back({outputs[i].name, SqlType::fromDeclared(outputs[i].type.declared())});
    }
    step(create + ")");
    step("INSERT INTO " + quoteIdentifier(select.into) + " (" + columnList(names) + ") " + printSelect(select));
    catalog_.declareTable(std::move(table));
    result_.changesSchema = true;
}

void Translator::add(CreateTable& statement)
{
    std::string sql = createTablePrefix(statement.name) + " (";
    TableInfo table{statement.name, {}};
    Scope noSources;
    for (size_t i = 0; i < statement.columns.size(); ++i) {
        ColumnDefinition& column = statement.columns[i];
        SqlType type = SqlType::fromTypeName(column.type, 1);
        sql += (i ? ", " : "") + columnDeclaration(column.name, type);
        if (column.notNull)
            sql += " NOT NULL";
        if (column.primaryKey)
            sql += " PRIMARY KEY";
        if (column.defaultValue) {
            checker_.checkExpr(column.defaultValue, noSources);
            convertImplicitly(column.defaultValue, type);
            sql += " DEFAULT (" + printExpr(*column.defaultValue) + ")";
        }
        table.columns.push_back({column.name, type});
    }
    if (!statement.primaryKey.empty())
        sql += ", PRIMARY KEY (" + columnList(statement.primaryKey) + ")";
    step(sql + ")");
    catalog_.declareTable(std::move(table));
    result_.changesSchema = true;
}

void Translator::add(CreateIndex& statement)
{
    existingTable(statement.table, statement.pos);
    step(std::string(statement.unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") + quoteIdentifier(statement.name)
         + " ON " + quoteIdentifier(statement.table) + " (" + columnList(statement.columns) + ")");
    result_.changesSchema = true;
}

// A view exists twice: as a SQLite view that queries read, and as its T-SQL text, from which its column
// types are known.
void Translator::add(CreateView& statement)
{
    std::vector<OutputColumn> outputs = checker_.checkQuery(statement.select, nullptr);
    requireNames(outputs, statement.pos);
    addObjectDefinition(statement.name, "VIEW", statement.definition);
    step("CREATE VIEW " + quoteIdentifier(statement.name) + " AS " + printSelect(statement.select));
    TableInfo view{statement.name, {}};
    for (const OutputColumn& output : outputs)
        view.columns.push_back({output.name, output.type});
    catalog_.declareTable(std::move(view));
}

// A function is only its T-SQL text: every APPLY inlines it. Its body is checked now, with the parameters
// standing as NULLs of their types, so that a function that cannot be inlined is refused at once.
void Translator::add(CreateFunction& statement)
{
    std::vector<ExprPtr> placeholders;
    std::map<std::string, const Expr*> arguments;
    for (const Parameter& parameter : statement.parameters) {
        ExprPtr value = Expr::make(ExprKind::Literal, parameter.type.pos);
        value->type = SqlType::fromTypeName(parameter.type, 1);
        value->checked = true;
        arguments[parameter.name] = value.get();
        placeholders.push_back(std::move(value));
    }
    std::vector<OutputColumn> outputs = checker_.checkFunctionBody(statement.body, arguments);
    requireNames(outputs, statement.pos);
    if (catalog_.functionDefinition(statement.name))
        fail("there is already a function named '" + statement.name + "'", statement.pos);
    addObjectDefinition(statement.name, "FUNCTION", statement.definition);
    catalog_.declareFunction(statement.name, statement.definition);
}

void Translator::addObjectDefinition(const std::string& name, const char* kind, const std::string& definition)
{
    step(std::string("CREATE TABLE IF NOT EXISTS ") + objectsTable
         + " (name TEXT PRIMARY KEY COLLATE NOCASE, kind TEXT NOT NULL, definition TEXT NOT NULL)");
    step(std::string("INSERT INTO ") + objectsTable + " (name, kind, definition) VALUES (" + quoteString(name) + ", '"
         + kind + "', " + quoteString(definition) + ")");
    result_.changesSchema = true;
}

// Values are converted to the target columns' types as SQL Server stores them: '20240101' into a DATETIME
// becomes a date, 2.675 into a DECIMAL(18,2) becomes 2.68.
void Translator::add(Insert& statement)
{
    const TableInfo& table = existingTable(statement.table, statement.pos);
    std::vector<SqlType> types;
    std::vector<std::string> names = statement.columns;
    if (names.empty())
        for (const CatalogColumn& column : table.columns)
            names.push_back(column.name);
    for (const std::string& name : names) {
        auto it = std::find_if(table.columns.begin(), table.columns.end(),
                               [&](const CatalogColumn& column) { return upperName(column.name) == upperName(name); });
        if (it == table.columns.end())
            fail("invalid column name '" + name + "'", statement.pos);
        types.push_back(it->type);
    }
    std::string sql = "INSERT INTO " + quoteIdentifier(statement.table) + " (" + columnList(names) + ") ";
    if (statement.select) {
        std::vector<OutputColumn> outputs = checker_.checkQuery(*statement.select, nullptr);
        if (outputs.size() != names.size())
            fail("the SELECT gives " + std::to_string(outputs.size()) + " values for " + std::to_string(names.size()) + " columns",
                 statement.pos);
        for (size_t i = 0; i < outputs.size(); ++i)
            castExplicitly(statement.select->items[i].expr, types[i]);
        step(sql + printSelect(*statement.select));
        return;
    }
    Scope noSources;
    sql += "VALUES ";
    for (size_t r = 0; r < statement.rows.size(); ++r) {
        std::vector<ExprPtr>& row = statement.rows[r];
        if (row.size() != names.size())
            fail("row " + std::to_string(r + 1) + " has " + std::to_string(row.size()) + " values for "
                     + std::to_string(names.size()) + " columns",
                 row.empty() ? statement.pos : row.front()->pos);
        sql += r ? ", (" : "(";
        for (size_t i = 0; i < row.size(); ++i) {
            checker_.checkExpr(row[i], noSources);
            castExplicitly(row[i], types[i]);
            sql += (i ? ", " : "") + printExpr(*row[i]);
        }
        sql += ")";
    }
    step(sql);
}

// Dropping a missing table fails when the step runs, as in SQL Server; the caller decides to ignore it.
void Translator::add(DropObject& statement)
{
    std::string remove = std::string("DELETE FROM ") + objectsTable + " WHERE name = " + quoteString(statement.name)
                         + " COLLATE NOCASE";
    switch (statement.kind) {
    case DropObject::Kind::Table:
        step("DROP TABLE " + quoteIdentifier(statement.name));
        break;
    case DropObject::Kind::View:
        step("DROP VIEW " + quoteIdentifier(statement.name));
        step(remove + " AND kind = 'VIEW'");
        break;
    case DropObject::Kind::Function:
        if (!catalog_.functionDefinition(statement.name))
            fail("cannot drop the function '" + statement.name + "', because it does not exist", statement.pos);
        step(remove + " AND kind = 'FUNCTION'");
        break;
    }
    result_.changesSchema = true;
}

}  // namespace tsql
