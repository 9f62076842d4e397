#pragma once
// The rows the window offers to the ordering grid ADVO_ORDINAMENTI: the movement fields the ledger can be
// sorted and grouped by, in a header section and a line section, with the user's attributes of headers and
// lines.

#include "controls/OrderRowDefinition.h"
#include "selection/OfferSources.h"

#include <string_view>

namespace quorvane {

// Builds the offer from empty; throws GridOfferError when a section's row count overflows.
controls::OrderOffer ConfigurazioneAdvancedOrder(const OfferSources& sources);

// The column behind a fixed caption of the ordering grid; empty when the grid offers no such fixed row.
std::string_view orderingColumnOf(std::string_view caption);

} // namespace quorvane
