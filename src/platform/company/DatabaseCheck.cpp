#include "company/DatabaseCheck.h"

#include "company/SchemaScript.h"
#include "db/Connection.h"
#include "db/Error.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace company {

namespace {

constexpr std::size_t namesShown = 8;

[[noreturn]] void refuse(const std::string& path, const std::string& why)
{
    throw db::Error("The company database " + path + " " + why);
}

void checkFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        refuse(path, "does not exist.");
    if (std::filesystem::is_directory(path, error))
        refuse(path, "is a folder, not a database file.");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        refuse(path, "cannot be read (no permission?).");
    static constexpr char signature[] = "SQLite format 3";   // the first 16 bytes, terminator included
    std::array<char, sizeof signature> head{};
    if (!file.read(head.data(), head.size()) || !std::equal(head.begin(), head.end(), signature))
        refuse(path, "is not a company database: it is not an SQLite database file.");
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

std::vector<std::string> missingObjects(db::Connection& connection, const std::vector<SchemaObject>& objects)
{
    std::vector<std::string> missing;
    for (const SchemaObject& object : objects) {
        try {
            connection.Open(probe(object));
        } catch (const db::Error&) {
            missing.push_back(object.name);
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

void checkCompanyDatabase(const std::string& path)
{
    checkFile(path);
    std::unique_ptr<db::Connection> connection;
    try {
        connection = db::Connection::open("Provider=SQLite;Data Source=" + path + ";Mode=ReadOnly");
    } catch (const db::Error& e) {
        refuse(path, std::string("cannot be opened: ") + e.what());
    }
    std::vector<SchemaObject> objects = schemaObjects();
    std::vector<std::string> missing = missingObjects(*connection, objects);
    connection->Close();
    if (!missing.empty())
        refuse(path, describeMissing(missing, objects.size()));
}

} // namespace company
