#include "LedgerComparisonRun.h"

#include "hostfw/MovementTypeCatalogue.h"
#include "selection/MovementTypeCondition.h"

std::optional<quorvane::ComparisonKind> comparisonOption(const std::optional<std::string>& value)
{
    if (!value)
        return std::nullopt;
    const std::optional<quorvane::ComparisonKind> kind = quorvane::comparisonKindNamed(*value);
    if (!kind)
        throw CommandFailure(1, "--compare expects previous-year, previous-period or budget, not \"" + *value + "\"");
    return kind;
}

LedgerComparisonRun::LedgerComparisonRun(const LedgerSession& session, std::optional<quorvane::ComparisonKind> kind,
                                         int threads)
    : extraction_(*session.connection, threads), compared_(*session.connection, threads)
{
    if (kind) {
        const std::string budgetTypes = quorvane::budgetMovementTypeCondition(
            hostfw::MovementTypeCatalogue(*session.connection).movementTypes(),
            quorvane::movementTypeRange(session.request.selection));
        const quorvane::ComparisonSelection selection =
            quorvane::comparisonSelection(session.request, *kind, budgetTypes);
        quorvane::NoProgress progress;
        compared_.run(selection.request, progress);
        comparison_.emplace(compared_.movements(), compared_.totals(), selection.shift);
    }
    extractMovements(session, extraction_);
}
