// What the database holds, as the checker needs it: tables (temporary ones included) and views with their
// columns' T-SQL types, and the T-SQL definitions of inline table functions and views.
#pragma once

#include "tsql/Dialect.h"
#include "tsql/SqlType.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct sqlite3;

namespace tsql {

struct CatalogColumn {
    std::string name;
    SqlType type;
};

struct TableInfo {
    std::string name;
    std::vector<CatalogColumn> columns;
};

// The table in which the dialect keeps the T-SQL text of the views and functions it creates, so that every
// connection to the database, read-only ones included, knows them.
constexpr const char* objectsTable = "tsql_objects";

// The reader over an embedded connection: its failures throw EngineError.
CatalogReader sqliteCatalogReader(sqlite3* db);

class Catalog {
public:
    // Gives the result columns of a CREATE VIEW text (the checker, which needs the catalog in turn).
    using ViewReader = std::function<std::vector<CatalogColumn>(const std::string& definition)>;

    explicit Catalog(CatalogReader reader);
    void setViewReader(ViewReader reader);

    // A table, temporary table or view by name, in any letter case; nullptr when there is none. Throws
    // EngineError when the database cannot answer: only an answer is remembered, never a failure.
    const TableInfo* findTable(const std::string& name);
    // The CREATE FUNCTION text of an inline table function, or nothing.
    std::optional<std::string> functionDefinition(const std::string& name);

    // Objects created by earlier statements of the text being translated, before they exist.
    void declareTable(TableInfo table);
    void declareFunction(const std::string& name, std::string definition);
    void forgetDeclarations();

    // The schema changed: forgets every description read so far.
    void invalidate();

private:
    CatalogReader reader_;
    ViewReader viewReader_;
    std::map<std::string, TableInfo> tables_;       // by upper-case name
    std::map<std::string, TableInfo> declaredTables_;
    std::map<std::string, std::string> declaredFunctions_;
    std::set<std::string> viewsBeingRead_;
    // The objects table read once: (KIND, upper-case name) -> definition.
    std::optional<std::map<std::pair<std::string, std::string>, std::string>> definitions_;

    std::optional<std::string> objectDefinition(const std::string& kind, const std::string& name);
    std::map<std::pair<std::string, std::string>, std::string> readDefinitions();
    std::optional<TableInfo> readTable(const std::string& name);
};

}  // namespace tsql
