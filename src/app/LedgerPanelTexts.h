#pragma once
// What the selection panel's own controls would show beside the selection, read from the company database
// for the command line: the account's description (TXT_DESCRCONTO) and the movement-type selector's caption.

#include "db/Connection.h"
#include "engine/EngineSettings.h"
#include "selection/SelectionParameters.h"

#include <string>

// The description of TXT_CONTO in the chart of the account kind; empty when the code is not an account.
std::string accountDescription(db::Connection& connection, const quorvane::EngineSettings& settings,
                               const quorvane::SelectionParameters& selection);

// The chosen movement types' descriptions joined by ", ", or `everyType` when no choice restricts them.
std::string movementTypeCaption(db::Connection& connection, const quorvane::SelectionParameters& selection,
                                const std::string& everyType);
