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

} // namespace quorvane
