#pragma once
// What a comparison extracts: the same selection over another period (the same period a year earlier, or
// the period of equal length just before it), or the same period's budget movements. Everything else the
// user chose (accounts, limits, groupings, currency) stays, so that each group finds its counterpart.

#include "engine/ExtractionRequest.h"
#include "engine/PeriodShift.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

enum class ComparisonKind { None, PreviousYear, PreviousPeriod, Budget };

// The command line's names ("previous-year", "previous-period", "budget"); none for another text.
std::optional<ComparisonKind> comparisonKindNamed(std::string_view name);

struct ComparisonSelection {
    ExtractionRequest request;
    PeriodShift shift;          // how far back the comparison's periods lie; none for the budget
};

// `budgetTypes` is the movement-type condition of the budget types the selector offers for the selection's
// period. Throws std::invalid_argument, naming the fields to fill, when a period comparison meets a
// selection without a period to move (the previous period needs both its ends).
ComparisonSelection comparisonSelection(const ExtractionRequest& base, ComparisonKind kind,
                                        const std::string& budgetTypes);

} // namespace quorvane
