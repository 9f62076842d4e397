// The T-SQL dialect layer of the embedded engine: the component writes every statement in SQL Server's
// T-SQL; on SQLite the same text goes through a real front end (tokenizer, parser, name resolution and type
// checking against the database's declared column types, printer to SQLite) instead of string patching.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace tsql {

// A result column's T-SQL type, as the record set needs it.
struct ColumnType {
    std::string name;  // the column name as the statement names it (alias, or column name)
    enum class Category { Bit, Integer, Decimal, Float, Text, DateTime, Unknown } category = Category::Unknown;
    int size = 0;                  // defined size for text (characters), 0 = unknown/max
    int precision = 0, scale = 0;  // for Decimal
};

// One SQLite statement of a translation; returnsRows tells the caller to read a result set described by columns.
struct Step {
    std::string sql;
    bool returnsRows = false;
    std::vector<ColumnType> columns;
};

// The SQLite steps that carry out one T-SQL text, to be run in order.
struct Translation {
    std::vector<Step> steps;
    bool changesSchema = false;  // the caller must call Dialect::invalidate() after running the steps
};

// A statement outside the supported subset, or a name or type error; what() names the construct and its position.
class Error : public std::runtime_error {
public:
    Error(std::string message, int line, int column);
    int line() const;
    int column() const;

private:
    int line_;
    int column_;
};

class Catalog;
class TranslationCache;

// Runs a query about what the database holds and answers its rows, every column as text; throws when the
// database cannot answer.
using CatalogReader = std::function<std::vector<std::vector<std::string>>(const std::string& sql)>;

// The dialect of one connection to SQLite.
class Dialect {
public:
    explicit Dialect(sqlite3* db);  // registers the runtime functions on that connection
    // A connection that reaches SQLite through a driver (ODBC), which loaded the runtime functions itself
    // (sqlite3_extension_init in the runtime functions' extension); the catalog is read through `reader`.
    explicit Dialect(CatalogReader reader);
    ~Dialect();
    Dialect(const Dialect&) = delete;
    Dialect& operator=(const Dialect&) = delete;

    // Translates one T-SQL text (one or more statements, `;`-separated or not) into SQLite steps run in order.
    // Cached by text; throws tsql::Error for anything outside the subset or any name/type error.
    std::shared_ptr<const Translation> translate(std::string_view tsqlText);

    // The schema changed (the connection calls it after a step with changesSchema): forgets cached
    // translations and table descriptions.
    void invalidate();

private:
    std::unique_ptr<Catalog> catalog_;
    std::unique_ptr<TranslationCache> cache_;
};

// Splits a script into batches at lines holding only "GO" (any case, blanks around); empty batches are dropped.
std::vector<std::string> splitBatches(std::string_view script);

}  // namespace tsql
