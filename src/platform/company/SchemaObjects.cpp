#include "company/SchemaScript.h"

#include "tsql/Dialect.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

namespace company {

namespace {

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The batch without its comment lines, so that the first words are the statement's.
std::string withoutComments(const std::string& batch)
{
    std::istringstream lines(batch);
    std::string line, kept;
    while (std::getline(lines, line)) {
        auto first = line.find_first_not_of(" \t\r");
        if (first != std::string::npos && line.compare(first, 2, "--") != 0)
            kept += line + "\n";
    }
    return kept;
}

// Parameters are the '@' names between the function's name and RETURNS.
int countParameters(const std::string& statement)
{
    std::string head = statement.substr(0, upper(statement).find("RETURNS"));
    return static_cast<int>(std::count(head.begin(), head.end(), '@'));
}

std::optional<SchemaObject> objectOf(const std::string& batch)
{
    std::string statement = withoutComments(batch);
    std::istringstream words(statement);
    std::string create, kind, name;
    words >> create >> kind >> name;
    if (upper(create) != "CREATE")
        return std::nullopt;
    name = name.substr(0, name.find('('));
    kind = upper(kind);
    if (kind == "TABLE")
        return SchemaObject{SchemaObject::Kind::Table, name, 0};
    if (kind == "VIEW")
        return SchemaObject{SchemaObject::Kind::View, name, 0};
    if (kind == "FUNCTION")
        return SchemaObject{SchemaObject::Kind::Function, name, countParameters(statement)};
    return std::nullopt;   // indexes are not objects that callers read
}

} // namespace

std::vector<SchemaObject> schemaObjects()
{
    std::vector<SchemaObject> objects;
    for (const std::string& batch : tsql::splitBatches(schemaScript()))
        if (auto object = objectOf(batch))
            objects.push_back(*object);
    return objects;
}

} // namespace company
