#include "tsql/Catalog.h"

#include "tsql/Dialect.h"
#include "tsql/EngineError.h"

#include <sqlite3.h>

#include <cctype>

namespace tsql {

namespace {

std::string upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// A prepared statement that finalizes itself. The engine failing to prepare or step it (the file busy,
// damaged, unreadable) throws EngineError: such a look-up says nothing about the object looked up.
class Query {
public:
    Query(sqlite3* db, const std::string& sql) : db_(db)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK)
            fail();
    }
    ~Query() { sqlite3_finalize(statement_); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    bool step()
    {
        const int code = sqlite3_step(statement_);
        if (code != SQLITE_ROW && code != SQLITE_DONE)
            fail();
        return code == SQLITE_ROW;
    }
    std::vector<std::string> row() const
    {
        std::vector<std::string> texts;
        for (int column = 0; column < sqlite3_column_count(statement_); ++column) {
            const unsigned char* value = sqlite3_column_text(statement_, column);
            texts.emplace_back(value ? reinterpret_cast<const char*>(value) : "");
        }
        return texts;
    }

private:
    [[noreturn]] void fail() { throw EngineError(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_)); }

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

std::string quoted(const std::string& text)
{
    std::string literal = "'";
    for (char c : text)
        literal += c == '\'' ? std::string("''") : std::string(1, c);
    return literal + "'";
}

}  // namespace

CatalogReader sqliteCatalogReader(sqlite3* db)
{
    return [db](const std::string& sql) {
        Query query(db, sql);
        std::vector<std::vector<std::string>> rows;
        while (query.step())
            rows.push_back(query.row());
        return rows;
    };
}

Catalog::Catalog(CatalogReader reader) : reader_(std::move(reader)) {}

void Catalog::setViewReader(ViewReader reader) { viewReader_ = std::move(reader); }

const TableInfo* Catalog::findTable(const std::string& name)
{
    std::string key = upper(name);
    if (auto it = declaredTables_.find(key); it != declaredTables_.end())
        return &it->second;
    if (auto it = tables_.find(key); it != tables_.end())
        return &it->second;
    auto table = readTable(name);
    if (!table)
        return nullptr;
    return &tables_.emplace(key, std::move(*table)).first->second;
}

// A view created through the dialect is described by checking its T-SQL definition, which gives better
// types than SQLite's; other tables and views by their declared column types.
std::optional<TableInfo> Catalog::readTable(const std::string& name)
{
    if (auto definition = objectDefinition("VIEW", name); definition && viewReader_) {
        std::string key = upper(name);
        if (!viewsBeingRead_.insert(key).second)
            throw Error("view '" + name + "' refers to itself", 1, 1);
        TableInfo view{name, {}};
        try {
            view.columns = viewReader_(*definition);
        } catch (...) {
            viewsBeingRead_.erase(key);
            throw;
        }
        viewsBeingRead_.erase(key);
        return view;
    }
    TableInfo table{name, {}};
    for (const std::vector<std::string>& column : reader_("SELECT name, type FROM pragma_table_info(" + quoted(name) + ")"))
        table.columns.push_back({column.at(0), SqlType::fromDeclared(column.at(1))});
    if (table.columns.empty())
        return std::nullopt;
    return table;
}

std::optional<std::string> Catalog::functionDefinition(const std::string& name)
{
    if (auto it = declaredFunctions_.find(upper(name)); it != declaredFunctions_.end())
        return it->second;
    return objectDefinition("FUNCTION", name);
}

// The whole objects table is read at the first look-up: a statement names dozens of tables, and asking
// the database about each one would cost more than the rest of the translation.
std::optional<std::string> Catalog::objectDefinition(const std::string& kind, const std::string& name)
{
    if (!definitions_)
        definitions_ = readDefinitions();
    auto it = definitions_->find({kind, upper(name)});
    if (it == definitions_->end())
        return std::nullopt;
    return it->second;
}

// Kept only once read whole: a look-up that fails half-way is asked again by the next statement.
std::map<std::pair<std::string, std::string>, std::string> Catalog::readDefinitions()
{
    std::map<std::pair<std::string, std::string>, std::string> definitions;
    // A database without views or functions has no objects table.
    if (reader_(std::string("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = '") + objectsTable + "'").empty())
        return definitions;
    for (const std::vector<std::string>& object : reader_(std::string("SELECT kind, name, definition FROM ") + objectsTable))
        definitions.emplace(std::pair{object.at(0), upper(object.at(1))}, object.at(2));
    return definitions;
}

void Catalog::declareTable(TableInfo table)
{
    std::string key = upper(table.name);
    declaredTables_[key] = std::move(table);
}

void Catalog::declareFunction(const std::string& name, std::string definition)
{
    declaredFunctions_[upper(name)] = std::move(definition);
}

void Catalog::forgetDeclarations()
{
    declaredTables_.clear();
    declaredFunctions_.clear();
}

void Catalog::invalidate()
{
    tables_.clear();
    definitions_.reset();
    forgetDeclarations();
}

}  // namespace tsql
