#pragma once
// The offers of the three configuration grids, computed from the company settings without a window: the
// window hands them to its grids, the command line and the engine resolve the selection record's rows
// against them.

#include "controls/OrderRowDefinition.h"
#include "controls/QueryRowDefinition.h"
#include "selection/OfferSources.h"

namespace quorvane {

struct GridOffers {
    controls::QueryOffer limits;          // ADVQ_LIMITI
    controls::QueryOffer accountFilter;   // ADVQ_SELCONTI
    controls::OrderOffer ordering;        // ADVO_ORDINAMENTI
};

// The three offers, in the order the window builds them; throws GridOfferError.
GridOffers buildGridOffers(const OfferSources& sources);

} // namespace quorvane
