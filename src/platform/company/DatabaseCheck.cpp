#include "company/DatabaseCheck.h"

#include "company/SchemaScript.h"
#include "db/ConnectionString.h"
#include "db/EngineFailure.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace company {

namespace {

constexpr std::size_t namesShown = 8;

[[noreturn]] void refuse(const std::string& name, const std::string& why)
{
    throw db::Error("The company database " + name + " " + why);
}

// The file is looked at before the engine opens it: a pipe or a device is refused before anything waits on
// it, and a file of another kind is named as such rather than as a database the engine cannot read.
void checkFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status))
        refuse(path, "does not exist.");
    if (fs::is_directory(status))
        refuse(path, "is a folder, not a database file.");
    if (!fs::is_regular_file(status))
        refuse(path, "is a pipe or a device, not a database file.");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        refuse(path, "cannot be read (no permission?).");
    static constexpr char signature[] = "SQLite format 3";   // the first 16 bytes, terminator included
    std::array<char, sizeof signature> head{};
    if (!file.read(head.data(), head.size()) || !std::equal(head.begin(), head.end(), signature))
        refuse(path, "is not a SQLite file.");
}

// A statement that fails exactly when the object is missing: a view or table is selected from, a function
// is applied to NULL arguments.
std::string probe(const SchemaObject& object)
{
    if (object.kind != SchemaObject::Kind::Function)
        return "SELECT TOP 0 * FROM " + object.name;
    std::string arguments;
    for (int i = 0; i < object.parameterCount; ++i)
        arguments += i ? ", NULL" : "NULL";
    return "SELECT TOP 0 F.* FROM CG18_ANADITTABASE CROSS APPLY " + object.name + "(" + arguments + ") AS F";
}

std::string described(const SchemaObject& object)
{
    switch (object.kind) {
    case SchemaObject::Kind::Table: return "table " + object.name;
    case SchemaObject::Kind::View: return "view " + object.name;
    case SchemaObject::Kind::Function: return "function " + object.name;
    }
    return object.name;
}

// A probe that fails because the database itself fails (busy, damaged, unreadable) is that failure, not a
// missing object: it goes on to the caller as it is.
std::vector<std::string> missingObjects(db::Connection& connection, const std::vector<SchemaObject>& objects)
{
    std::vector<std::string> missing;
    for (const SchemaObject& object : objects) {
        try {
            connection.Open(probe(object));
        } catch (const db::EngineFailure&) {
            throw;
        } catch (const db::Error&) {
            missing.push_back(described(object));
        }
    }
    return missing;
}

std::string describeMissing(const std::vector<std::string>& missing, std::size_t total)
{
    std::string names;
    for (std::size_t i = 0; i < missing.size() && i < namesShown; ++i)
        names += (i ? ", " : "") + missing[i];
    if (missing.size() > namesShown)
        names += ", …";
    if (missing.size() == total)
        return "is not a company database: it holds none of the " + std::to_string(total)
               + " objects of the company schema (" + names + ").";
    return "lacks " + std::to_string(missing.size()) + " of the " + std::to_string(total)
           + " objects of the company schema: " + names + ".";
}

} // namespace

void checkCompanySchema(db::Connection& connection, const std::string& name)
{
    const std::vector<SchemaObject> objects = schemaObjects();
    const std::vector<std::string> missing = missingObjects(connection, objects);
    if (!missing.empty())
        refuse(name, describeMissing(missing, objects.size()));
}

void checkCompanyDatabase(const std::string& path)
{
    checkFile(path);
    const std::unique_ptr<db::Connection> connection =
        db::Connection::open(db::embeddedDatabase(path, db::Access::ReadOnly));
    checkCompanySchema(*connection, path);
    connection->Close();
}

} // namespace company
