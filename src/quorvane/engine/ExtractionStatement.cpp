#include "engine/ExtractionStatement.h"

#include "engine/FromClause.h"
#include "engine/SelectionClauses.h"

#include <algorithm>
#include <cctype>

namespace quorvane {

std::string extractionStatement(const ExtractionRequest& request, const std::optional<CompetencePeriod>& period,
                                const AttributeLists& attributes)
{
    StatementText statement = extractionSelectList(request, period, attributes);
    statement.line(" INTO  #MOVIMENTI");
    statement.append(extractionFromClause(request.settings, attributes));
    statement.append(extractionWhereClause(request, period));
    return statement.text();
}

std::string extractionCondition(const std::string& statement)
{
    static const std::string where = "WHERE";
    auto found = std::search(statement.begin(), statement.end(), where.begin(), where.end(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == b;
    });
    return std::string(found, statement.end());
}

} // namespace quorvane
