#pragma once
// The amount A and the quantity Q of a working-table row as the ledger shows them: as extracted, or, with a
// competence period, pro-rated by the share of the line's competence days that fall inside the period.

#include "engine/EngineSettings.h"

#include <string>

namespace quorvane {

struct AmountExpressions {
    std::string amount;     // A
    std::string quantity;   // Q
};

// `table` names the rows' source: the working table for the movement set, a derived table for the detail rows.
AmountExpressions amountExpressions(bool competencePeriod, const EngineSettings& settings,
                                    const std::string& table = "#MOVIMENTI");

} // namespace quorvane
