#pragma once
// Everything one extraction is built from: the selection record, the company settings, and the pieces
// that other parts of the window hand over ready-made (the movement-type selector's condition, the
// conditions of the limits and account filter grids, the user-defined attribute names).

#include "engine/EngineSettings.h"
#include "selection/SelectionParameters.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// The registrations of one part of an extraction run in parts on several connections: from `first`
// (inclusive) up to `next` (exclusive), in the database's text order; a missing bound leaves that side open.
struct RegistrationRange {
    std::optional<std::string> first;
    std::optional<std::string> next;
};

struct ExtractionRequest {
    SelectionParameters selection;
    EngineSettings settings;
    std::string movementTypeCondition;      // written on CGT0_CODICE; the check refuses an empty one
    std::string limitsCondition;            // "" when the limits grid yields none
    std::string accountFilterCondition;     // "" when the account filter grid yields none
    std::vector<std::string> headerAttributes;  // attribute names of the movement headers, in order
    std::vector<std::string> lineAttributes;    // attribute names of the movement lines, in order
    RegistrationRange registrations;            // every registration unless the extraction runs in parts
};

} // namespace quorvane
