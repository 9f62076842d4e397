#include "tsql/Scope.h"

#include <cctype>

namespace tsql {

std::string upperName(std::string_view name)
{
    std::string result(name);
    for (char& c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

void Source::addColumn(SourceColumn column)
{
    columnIndex.emplace(upperName(column.name), columns.size());
    columns.push_back(std::move(column));
}

const SourceColumn* Source::findColumn(const std::string& upperName) const
{
    auto it = columnIndex.find(upperName);
    return it == columnIndex.end() ? nullptr : &columns[it->second];
}

void Scope::addSource(Source source)
{
    for (const auto& [name, position] : source.columnIndex)
        columnOwners[name].push_back(sources.size());
    sources.push_back(std::move(source));
}

const Source* Scope::findSource(const std::string& upperName) const
{
    for (const Source& source : sources)
        if (source.exposedKey == upperName)
            return &source;
    return nullptr;
}

const Expr* Scope::findParameter(const std::string& upperName) const
{
    for (const Scope* scope = this; scope; scope = scope->outer) {
        if (!scope->parameters)
            continue;
        auto it = scope->parameters->find(upperName);
        if (it != scope->parameters->end())
            return it->second;
    }
    return nullptr;
}

}  // namespace tsql
