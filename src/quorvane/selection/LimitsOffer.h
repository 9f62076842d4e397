#pragma once
// The rows the window offers to the limits grid ADVQ_LIMITI: the movement header's dimensions in the first
// section, the lines' in the second, each section holding every row with its own on/off flag, the user's
// attributes of headers and lines, and the unit-price-list rows when that module is integrated.

#include "controls/QueryRowDefinition.h"
#include "selection/OfferSources.h"

namespace quorvane {

// Builds the offer from empty; throws GridOfferError when a section's row count overflows.
controls::QueryOffer ConfigurazioneAdvancedQuery(const OfferSources& sources);

} // namespace quorvane
