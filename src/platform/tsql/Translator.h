// Turns the statements of one T-SQL text into the SQLite steps that carry them out.
#pragma once

#include "tsql/Ast.h"
#include "tsql/Catalog.h"
#include "tsql/Checker.h"
#include "tsql/Dialect.h"

#include <string_view>

namespace tsql {

class Translator {
public:
    explicit Translator(Catalog& catalog);

    // Parses, checks and prints every statement of the text; throws tsql::Error at the first problem.
    Translation translate(std::string_view text);

    // The result columns of a CREATE VIEW text, for the catalog's description of views.
    std::vector<CatalogColumn> viewColumns(const std::string& definition);

private:
    Catalog& catalog_;
    Checker checker_;
    Translation result_;

    void add(SelectStatement& statement);
    void add(CreateTable& statement);
    void add(CreateIndex& statement);
    void add(CreateView& statement);
    void add(CreateFunction& statement);
    void add(Insert& statement);
    void add(DropObject& statement);

    void addSelectInto(Select& select, const std::vector<OutputColumn>& outputs);
    void addObjectDefinition(const std::string& name, const char* kind, const std::string& definition);
    void step(std::string sql);
    const TableInfo& existingTable(const std::string& name, Position pos);
};

}  // namespace tsql
