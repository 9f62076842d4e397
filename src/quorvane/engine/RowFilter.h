#pragma once
// The amount and quantity condition on the rows of #MOVIMENTI. It applies to the shown amount A and
// quantity Q (pro-rated under a competence period), which is why it filters the working table rather
// than the extraction. Empty when neither operator asks for a comparison.

#include "engine/AmountExpressions.h"
#include "engine/EngineSettings.h"
#include "selection/SelectionParameters.h"

#include <string>

namespace quorvane {

// Throws std::invalid_argument when an amount, quantity or percentage field is not a plain number.
std::string rowFilter(const SelectionParameters& selection, const AmountExpressions& expressions,
                      const EngineSettings& settings);

} // namespace quorvane
