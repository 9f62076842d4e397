#pragma once
// Which column of a statement's result a field reference {TABLE.FIELD} reads. A result names its columns
// without their tables (CONTO.PC03_DESCR and VDS.PC03_DESCR both come back as PC03_DESCR), so the select
// list of the statement is read with the T-SQL parser: a qualified column answers to its own table or
// alias; an unqualified column or an aliased expression answers to its name alone or with any table of
// the FROM clause. A statement the parser does not take is matched by column name only.

#include "report/formula/FormulaSet.h"

#include "db/Recordset.h"

#include <optional>
#include <string>
#include <vector>

namespace report {

class StatementFields {
public:
    StatementFields(const std::string& statement, const db::Recordset& rows);

    std::optional<formula::FieldBinding> find(const std::string& reference) const;

private:
    struct Column {
        std::string table;   // upper case; empty for an unqualified column or an expression
        std::string name;    // upper case
        int index = 0;
        formula::ValueType type = formula::ValueType::Unknown;
    };

    bool readSelectList(const std::string& statement, const db::Recordset& rows);

    std::vector<Column> columns_;
    std::vector<std::string> fromTables_;   // upper case: aliases, or table names without one
    bool namesOnly_ = false;
};

formula::ValueType valueTypeOf(db::DataType type);

} // namespace report
