#pragma once
// The rows the window offers to the account filter grid ADVQ_SELCONTI: the level codes of the cost-centre
// chart and of the expense-item chart, as deep as each chart goes, the accounts themselves and the expense
// item's nature, all in one section.

#include "controls/QueryRowDefinition.h"
#include "selection/OfferSources.h"

namespace quorvane {

// The grid's identification text, which tells its saved layouts from the limits grid's.
inline constexpr const char* accountFilterGridName = "FRMCI_QUORVANE_AVANZATA";

// Builds the offer from empty; throws GridOfferError when the row count overflows.
controls::QueryOffer ConfigurazioneAdvancedQuerySelConti(const OfferSources& sources);

} // namespace quorvane
