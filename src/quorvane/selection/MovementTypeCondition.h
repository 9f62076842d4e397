#pragma once
// The movement types a selection extracts, worked out without the window's selector as the selector works
// them out: the types of actual and budget movements valid within the range the check before processing
// gives, ticked all unless the selection lists its own. The selector's settings live here, so that the
// window sets them and the command line reads them from one place.

#include "controls/MovementTypeSource.h"
#include "selection/SettingsCheck.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

inline constexpr const char* offeredMovementKinds = "0,1";      // actual and budget, never simulations
inline constexpr const char* movementTypeCaptionSeparator = "| ";
inline constexpr int movementTypeCaptionDescription = 2;        // the medium description

// Of the company's types, those the selector offers for the range, and of those only the listed codes
// when the selection lists any (an empty list chooses none). Throws std::invalid_argument for a code that
// is no whole number, so that nothing but numbers reaches the statement.
std::vector<controls::MovementType> chosenMovementTypes(const std::vector<controls::MovementType>& types,
                                                        const MovementTypeRange& range,
                                                        const std::optional<std::vector<std::string>>& codes);

// The condition of every budget type the selector offers for the range, which a comparison with the budget
// extracts; empty text when there is none.
std::string budgetMovementTypeCondition(const std::vector<controls::MovementType>& types,
                                        const MovementTypeRange& range);

} // namespace quorvane
