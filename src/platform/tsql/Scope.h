// The names a query can see: its FROM sources, the enclosing queries' sources, a table function's parameters.
#pragma once

#include "tsql/Ast.h"

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace tsql {

struct SourceColumn {
    std::string name;
    SqlType type;
    const Expr* substitute = nullptr;  // an inlined function's column: the checked expression it stands for
};

struct Source {
    std::string exposedName;   // how the statement refers to it: its alias, or the table's name
    std::string exposedKey;    // the same in upper case, for lookups
    std::string sqliteAlias;   // how the SQLite text refers to it
    std::vector<SourceColumn> columns;
    std::unordered_map<std::string, size_t> columnIndex;  // upper-case name -> position in columns
    std::vector<ExprPtr> substitutes;                     // owns the expressions the columns point to
    Position pos;

    void addColumn(SourceColumn column);
    const SourceColumn* findColumn(const std::string& upperName) const;
};

struct Scope {
    const Scope* outer = nullptr;
    const std::map<std::string, const Expr*>* parameters = nullptr;  // @NAME -> argument value
    std::vector<Source> sources;
    // Upper-case column name -> the sources that have it, so that an unqualified name is found in one look-up.
    std::unordered_map<std::string, std::vector<size_t>> columnOwners;

    void addSource(Source source);
    const Source* findSource(const std::string& upperName) const;
    const Expr* findParameter(const std::string& upperName) const;
};

std::string upperName(std::string_view name);

}  // namespace tsql
