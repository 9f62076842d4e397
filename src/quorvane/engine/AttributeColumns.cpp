#include "engine/AttributeColumns.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace quorvane {

namespace {

bool isColumnName(const std::string& name)
{
    return !name.empty() && !std::isdigit(static_cast<unsigned char>(name.front()))
        && std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

} // namespace

std::string attributeColumnList(const std::vector<std::string>& names, const std::string& alias)
{
    std::string list;
    for (const std::string& name : names) {
        if (!isColumnName(name))
            throw std::invalid_argument("the attribute name \"" + name + "\" is not a column name");
        list += ", " + alias + "." + name;
    }
    return list;
}

std::vector<std::string> readAttributeNames(db::Connection& connection, int company, int entity)
{
    db::Recordset rows = connection.Open("SELECT CO5K_NOMEATTRIBUTO FROM CO5K_ATTRIBUTIDEF WITH (NOLOCK)"
                                         " WHERE CO5K_DITTA_CG18 = " + std::to_string(company)
                                         + " AND CO5K_ENTITA = " + std::to_string(entity)
                                         + " ORDER BY CO5K_ORDINE, CO5K_NOMEATTRIBUTO");
    std::vector<std::string> names;
    for (long r = 0; r < rows.RecordCount(); ++r)
        names.push_back(rows.valueAt(r, 0).toText());
    return names;
}

} // namespace quorvane
